#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Feeds a fuzz target the seeds in the folder given second, then as many
// random inputs as the first argument says, where libFuzzer is not at hand.
// The seed of chance is fixed, so that a failure repeats.
int main(int, char** argv)
{
    for (const auto& seme : std::filesystem::directory_iterator(argv[2])) {
        const std::string testo(std::istreambuf_iterator<char>(std::ifstream(seme.path()).rdbuf()), {});
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(testo.data()), testo.size());
    }
    std::mt19937_64 chance(20261206);
    std::uint8_t input[24];
    for (long i = 0; i < std::stol(argv[1]); ++i) {
        // Half the inputs mostly what numbers are written with, half any bytes,
        // so that the values drawn from them take every size.
        for (auto& byte : input)
            byte = static_cast<std::uint8_t>(
                i % 2 || chance() % 8 == 0 ? chance() : static_cast<std::uint8_t>("0123456789. -+"[chance() % 14]));
        LLVMFuzzerTestOneInput(input, chance() % sizeof input);
    }
}
