// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the number words must do for any input at all, as a libFuzzer target; where libFuzzer is
// not at hand, the same file's main feeds it the committed seeds and random inputs.
// (The conversions' bounds, on both sides, are rows of tst_piano's table.)
#include "platform/core/currency.h"
#include "platform/core/runtime_error.h"
#include "words/numlett.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

// numlett of any currency value: three inputs in four within three times the
// largest value it spells. Only a to z; from 10^12 up error 9; below 1 no
// words; numer left with its fraction when there are words, else unchanged.
// A broken property aborts: libFuzzer saves the input that crashed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::array<std::int64_t, 2> n{}; // the input's first sixteen bytes, zero where it is short
    std::copy_n(data, std::min(size, sizeof n), reinterpret_cast<std::uint8_t*>(n.data()));
    const std::int64_t raw = n[1] % 4 ? n[0] % 30'000'000'000'000'000 : n[0];
    auto numer = platform::Currency::fromRaw(raw);
    std::string spelled;
    int error = 0;
    try {
        spelled = words::Vocabolario().numlett(numer);
    } catch (const platform::RuntimeError& e) {
        error = e.number();
    }
    const bool big = raw >= 10'000'000'000'000'000, none = big || raw < 10000;
    if (spelled.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos || error != (big ? 9 : 0)
        || spelled.empty() != none || numer.raw() != (none ? raw : raw % 10000))
        std::abort();
    return 0;
}

#ifndef CONTAPERLE_FUZZ
// The seeds in the folder given second, then as many random inputs as the first argument says,
// from a fixed seed of chance so that a failure repeats.
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
#endif
