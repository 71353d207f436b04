#include <cstdint>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Feeds a fuzz target a million random inputs, for machines without clang's
// libFuzzer. The seed is fixed, so that a failure repeats.
int main()
{
    std::mt19937_64 chance(20261206);
    std::uint8_t input[24];
    for (int i = 0; i < 1'000'000; ++i) {
        // Half the inputs mostly what numbers are written with, so that much
        // of the text is one; half any bytes, so doubles take every exponent.
        for (auto& byte : input)
            byte = static_cast<std::uint8_t>(
                i % 2 || chance() % 8 == 0 ? chance() : static_cast<std::uint8_t>("0123456789. -+"[chance() % 14]));
        LLVMFuzzerTestOneInput(input, chance() % sizeof input);
    }
}
