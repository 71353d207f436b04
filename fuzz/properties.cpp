// What the number words and the platform's conversions must do for any input
// at all, as libFuzzer targets: the build names the property in PROPERTY. A
// broken property throws, which ends the run as a crash with the input saved.
#include "esito.h"
#include "platform/core/checked.h"
#include "platform/core/numbers.h"
#include "words/numlett.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <regex>
#include <stdexcept>

static void require(bool holds, const char* what)
{
    if (!holds)
        throw std::logic_error(what);
}

// Each property gets the input as text and its first sixteen bytes as two
// numbers, zero where the input is short.

// numlett of any currency value: three inputs in four within three times the
// largest value it spells. Only a to z; from 10^12 up error 9; below 1 no
// words; numer left with its fraction when there are words, else unchanged.
void numberWords(const std::string&, std::int64_t bits, std::int64_t choice)
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

// The text read by textToDouble, textToLong and Currency::fromText, and back
// by toDouble; the first number's bits as a double turned into text and into
// currency; the second number's low bytes summed and multiplied in 16 bits.
void conversions(const std::string& text, std::int64_t bits, std::int64_t pair)
{
    // Spaces, an optional sign, digits with at most one point, spaces.
    static const std::regex shape(R"( *[-+]?(?=\.?[0-9])[0-9]*(\.([0-9]*))? *)");
    std::smatch parts;
    const bool number = std::regex_match(text, parts, shape), currency = number && parts.length(2) <= 4;
    // The C library's reading, correctly rounded, is the yardstick.
    const double nearest = number ? std::strtod(text.c_str(), nullptr) : 0, far = std::abs(nearest);
    require(errore([&] { require(platform::textToDouble(text) == nearest, "textToDouble value"); })
                == (!number           ? 13
                    : std::isinf(far) ? 6
                                      : 0),
            "textToDouble error");
    platform::Currency amount;
    const int amountError = errore([&] { amount = platform::Currency::fromText(text); });
    require(currency ? (amountError == 6 && far >= 922337203685477.5) || (!amountError && amount.toDouble() == nearest)
                     : amountError == 13,
            "Currency::fromText, toDouble");
    // Where the exact value is at hand, textToLong must be it rounded half to even.
    const int longError = errore([&] {
        const std::int32_t whole = platform::textToLong(text);
        const std::int64_t off = currency && !amountError ? std::abs(amount.raw() - whole * 10000LL) : 0;
        require(std::abs(whole - nearest) <= 0.5 && (off < 5000 || (off == 5000 && whole % 2 == 0)), "textToLong");
    });
    require(number ? !longError || (longError == 6 && far >= 2147483647.5) : longError == 13, "textToLong error");

    const auto value = std::bit_cast<double>(bits);
    std::string shown;
    require(errore([&] { shown = platform::doubleToText(value); }) == (std::isfinite(value) ? 0 : 6)
                && (shown.empty() || (shown[0] != ' ' && platform::textToDouble(shown) == value)),
            "doubleToText");
    // The C library prints the exact expansion rounded half to even, as
    // Currency::fromDouble must round it.
    char printed[400];
    std::snprintf(printed, sizeof printed, "%.4f", value);
    platform::Currency exact;
    const int code = std::isfinite(value) ? errore([&] { exact = platform::Currency::fromText(printed); }) : 6;
    require(errore([&] { require(platform::Currency::fromDouble(value) == exact, "rounding"); }) == code, "fromDouble");
    const auto a = static_cast<std::int16_t>(pair), b = static_cast<std::int16_t>(pair >> 16);
    // Each operation with its result in full: kept when it fits 16 bits, else error 6.
    for (const auto& [op, full] : {std::pair{&platform::add16, a + b}, std::pair{&platform::mul16, a * b}})
        require(errore([&, fn = op, esatto = full] { require(fn(a, b) == esatto, "16-bit"); })
                    == (full == std::int16_t(full) ? 0 : 6),
                "16-bit");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::array<std::int64_t, 2> n{};
    std::copy_n(data, std::min(size, sizeof n), reinterpret_cast<std::uint8_t*>(n.data()));
    PROPERTY(std::string(reinterpret_cast<const char*>(data), size), n[0], n[1]);
    return 0;
}
