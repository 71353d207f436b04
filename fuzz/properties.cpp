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
#include <compare>
#include <cstdio>
#include <optional>
#include <regex>
#include <stdexcept>
#include <tuple>

static void require(bool holds, const char* what)
{
    if (!holds)
        throw std::logic_error(what);
}

// Whether a number read by the shape below (sign, whole digits, fraction
// digits) lies within the bound for its sign, exactly, and on it if reached.
static bool within(const std::smatch& parts, std::string_view below, std::string_view above, bool reached)
{
    std::string whole = parts.str(2), fraction = parts.str(4);
    whole.erase(0, whole.find_first_not_of('0'));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    const std::string_view bound = parts.str(1) == "-" ? below : above;
    const auto point = bound.find('.');
    const auto order = std::tuple(whole.size(), std::string_view(whole), std::string_view(fraction))
                       <=> std::tuple(point, bound.substr(0, point), bound.substr(point + 1));
    return std::is_lt(order) || (std::is_eq(order) && reached);
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

// Currency::fromText, exactly up to each end of its range, and back by
// toDouble; the amount, where the text is one.
static std::optional<std::int64_t> amountOf(const std::string& text, const std::smatch& parts, bool currency,
                                            double nearest)
{
    platform::Currency amount;
    const int error = errore([&] { amount = platform::Currency::fromText(text); });
    const bool fits = currency && within(parts, "922337203685477.5808", "922337203685477.5807", true);
    require(error == (!currency ? 13 : fits ? 0 : 6) && (!fits || amount.toDouble() == nearest), "Currency::fromText");
    return error ? std::nullopt : std::optional(amount.raw());
}

// The text read by textToDouble, textToLong and Currency::fromText, and back
// by toDouble.
static void fromText(const std::string& text)
{
    // Spaces, an optional sign, digits with at most one point, spaces.
    static const std::regex shape(R"( *([-+]?)(?=\.?[0-9])([0-9]*)(\.([0-9]*))? *)");
    std::smatch parts;
    const bool number = std::regex_match(text, parts, shape), currency = number && parts.length(4) <= 4;
    // The C library's reading, correctly rounded, is the yardstick.
    const double nearest = number ? std::strtod(text.c_str(), nullptr) : 0, far = std::abs(nearest);
    require(errore([&] { require(platform::textToDouble(text) == nearest, "textToDouble value"); })
                == (!number           ? 13
                    : std::isinf(far) ? 6
                                      : 0),
            "textToDouble error");
    const auto amount = amountOf(text, parts, currency, nearest);
    // Where the exact value is at hand, textToLong must be it rounded half to even.
    const int longError = errore([&] {
        const std::int32_t whole = platform::textToLong(text);
        const std::int64_t off = amount ? std::abs(*amount - whole * 10000LL) : 0;
        require(std::abs(whole - nearest) <= 0.5 && (off < 5000 || (off == 5000 && whole % 2 == 0)), "textToLong");
    });
    // Half to even: -2147483648.5 still rounds to -2147483648, 2147483647.5 to 2^31.
    const bool fits = number && within(parts, "2147483648.5", "2147483647.5", parts.str(1) == "-");
    require(longError == (!number ? 13 : fits ? 0 : 6), "textToLong error");
}

// The first number's bits as a double turned into text and into currency.
// (The 16-bit arithmetic has a bound on each side: tst_piano's table holds them.)
void conversions(const std::string& text, std::int64_t bits, std::int64_t)
{
    fromText(text);

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
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::array<std::int64_t, 2> n{};
    std::copy_n(data, std::min(size, sizeof n), reinterpret_cast<std::uint8_t*>(n.data()));
    PROPERTY(std::string(reinterpret_cast<const char*>(data), size), n[0], n[1]);
    return 0;
}
