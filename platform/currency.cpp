#include "platform/currency.h"

#include "platform/runtime_error.h"

#include <cmath>
#include <limits>

namespace platform {
namespace {

constexpr int decimals = 4;

void accumulate(std::int64_t& raw, int digit)
{
    if (__builtin_mul_overflow(raw, 10, &raw) || __builtin_sub_overflow(raw, digit, &raw))
        raise(RuntimeError::Overflow);
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}

Currency Currency::fromText(std::string_view text)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Built as a negative number so that the most negative value fits too.
    std::int64_t raw = 0;
    int seen = 0;
    int fraction = -1;
    int roundDigit = -1;
    bool sticky = false;
    for (char c : text) {
        if (c == '.' && fraction < 0) {
            fraction = 0;
        } else if (!isDigit(c)) {
            raise(RuntimeError::TypeMismatch);
        } else if (fraction < decimals) {
            accumulate(raw, c - '0');
            fraction += fraction >= 0 ? 1 : 0;
        } else if (roundDigit < 0) {
            roundDigit = c - '0';
        } else {
            sticky = sticky || c != '0';
        }
        seen += isDigit(c) ? 1 : 0;
    }
    if (seen == 0)
        raise(RuntimeError::TypeMismatch);
    for (int i = fraction < 0 ? 0 : fraction; i < decimals; ++i)
        accumulate(raw, 0);
    const bool odd = raw % 2 != 0;
    if ((roundDigit > 5 || (roundDigit == 5 && (sticky || odd))) && __builtin_sub_overflow(raw, 1, &raw))
        raise(RuntimeError::Overflow);
    if (!negative && raw == std::numeric_limits<std::int64_t>::min())
        raise(RuntimeError::Overflow);
    return Currency(negative ? raw : -raw);
}

Currency Currency::fromDouble(double value)
{
    const double scaled = std::nearbyint(value * scale);
    // 2^63 is exactly representable; anything at or past it does not fit.
    if (!(scaled >= -0x1p63 && scaled < 0x1p63))
        raise(RuntimeError::Overflow);
    return Currency(static_cast<std::int64_t>(scaled));
}

double Currency::toDouble() const
{
    return static_cast<double>(raw_ / scale) + static_cast<double>(raw_ % scale) / scale;
}

Currency operator-(Currency a, Currency b)
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a.raw_, b.raw_, &difference))
        raise(RuntimeError::Overflow);
    return Currency(difference);
}

}
