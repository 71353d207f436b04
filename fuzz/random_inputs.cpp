#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Feeds the fuzz target the seeds in the folder given second, then as many
// random inputs as the first argument says, where libFuzzer is not at hand.
// The seed of chance is fixed, so that a failure repeats.
int main(int, char** argv)
{
    for (const auto& seme : std::filesystem::directory_iterator(argv[2])) {
        const std::string testo(std::istreambuf_iterator<char>(std::ifstream(seme.path()).rdbuf()), {});
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(testo.data()), testo.size());
    }
    std::mt19937_64 chance(20261206);
    std::uint8_t input[17]; // up to sixteen bytes: a short input leaves the rest zero
    for (long i = 0; i < std::stol(argv[1]); ++i) {
        for (auto& byte : input)
            byte = static_cast<std::uint8_t>(chance());
        LLVMFuzzerTestOneInput(input, chance() % sizeof input);
    }
}
