#include "platform/core/currency.h"

#include "platform/core/numbers.h"
#include "platform/core/runtime_error.h"

#include <cmath>
#include <limits>

namespace platform {
namespace {

constexpr int decimals = 4;

// Appends a digit to a value built as a negative number, so that the most
// negative currency value fits too.
void accumulate(std::int64_t& raw, int digit)
{
    if (__builtin_mul_overflow(raw, 10, &raw) || __builtin_sub_overflow(raw, digit, &raw))
        raise(RuntimeError::Overflow);
}

void accumulate(std::int64_t& raw, std::string_view digits)
{
    for (char c : digits) {
        if (c < '0' || c > '9')
            raise(RuntimeError::TypeMismatch);
        accumulate(raw, c - '0');
    }
}

}

Currency Currency::fromText(std::string_view text)
{
    text = trimmed(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (negative || text.front() == '+'))
        text.remove_prefix(1);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || fraction.size() > decimals)
        raise(RuntimeError::TypeMismatch);
    std::int64_t raw = 0;
    accumulate(raw, whole);
    accumulate(raw, fraction);
    for (auto i = fraction.size(); i < decimals; ++i)
        accumulate(raw, 0);
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
