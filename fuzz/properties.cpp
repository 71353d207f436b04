// What the number words must do for any input at all, as a libFuzzer target.
// A broken property throws, which ends the run as a crash with the input saved.
// (The conversions' bounds, on both sides, are rows of tst_piano's tables.)
#include "esito.h"
#include "platform/core/currency.h"
#include "words/numlett.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

static void require(bool holds, const char* what)
{
    if (!holds)
        throw std::logic_error(what);
}

// numlett of any currency value: three inputs in four within three times the
// largest value it spells. Only a to z; from 10^12 up error 9; below 1 no
// words; numer left with its fraction when there are words, else unchanged.
static void numberWords(std::int64_t bits, std::int64_t choice)
{
    const std::int64_t raw = choice % 4 ? bits % 30'000'000'000'000'000 : bits;
    auto numer = platform::Currency::fromRaw(raw);
    std::string spelled;
    const int error = errore([&] { spelled = words::Vocabolario().numlett(numer); });
    const bool big = raw >= 10'000'000'000'000'000, none = big || raw < 10000;
    require(spelled.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos && error == (big ? 9 : 0)
                && spelled.empty() == none && numer.raw() == (none ? raw : raw % 10000),
            "numlett");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::array<std::int64_t, 2> n{};
    std::copy_n(data, std::min(size, sizeof n), reinterpret_cast<std::uint8_t*>(n.data()));
    numberWords(n[0], n[1]); // the input's first sixteen bytes, zero where it is short
    return 0;
}
