// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/currency.h"

#include "platform/core/numbers.h"
#include "platform/core/runtime_error.h"

#include <algorithm>
#include <charconv>
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
        raise(RuntimeError::Number::Overflow);
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
    // Text that is no number is error 13 however many digits come before the
    // fault, so check it all before counting.
    constexpr std::string_view digits = "0123456789";
    if ((whole.empty() && fraction.empty()) || fraction.size() > decimals
        || whole.find_first_not_of(digits) != std::string_view::npos
        || fraction.find_first_not_of(digits) != std::string_view::npos)
        raise(RuntimeError::Number::TypeMismatch);
    std::int64_t raw = 0;
    for (const std::string_view part : {whole, fraction})
        for (char c : part)
            accumulate(raw, c - '0');
    for (auto i = fraction.size(); i < decimals; ++i)
        accumulate(raw, 0);
    if (!negative && raw == std::numeric_limits<std::int64_t>::min())
        raise(RuntimeError::Number::Overflow);
    return Currency(negative ? raw : -raw);
}

// Multiplying by 10,000 in double would round first; the decimal expansion
// rounded half to even at the fourth decimal is exact. Whole numbers, as the
// number words pass, take the short way: exact in integers.
Currency Currency::fromDouble(double value)
{
    if (!std::isfinite(value))
        raise(RuntimeError::Number::Overflow);
    if (std::trunc(value) == value && std::abs(value) <= 0x1p53) {
        std::int64_t raw = 0;
        if (__builtin_mul_overflow(static_cast<std::int64_t>(value), scale, &raw))
            raise(RuntimeError::Number::Overflow);
        return Currency(raw);
    }
    char text[std::numeric_limits<double>::max_exponent10 + decimals + 4];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return fromText(std::string_view(text, static_cast<std::size_t>(end - text)));
}

// Up to 2^53 the raw value and 10,000 are exact doubles, and their quotient
// is rounded correctly; past it, the raw value over 10,000 as decimal text,
// "38928e-4", which from_chars rounds to the nearest double.
double Currency::toDouble() const
{
    constexpr std::int64_t exact = std::int64_t{1} << 53;
    if (raw_ >= -exact && raw_ <= exact)
        return static_cast<double>(raw_) / scale;
    char text[32];
    char* end = std::to_chars(text, text + sizeof text, raw_).ptr;
    end = std::copy_n("e-4", 3, end);
    double value = 0;
    std::from_chars(text, end, value);
    return value;
}

Currency operator-(Currency a, Currency b)
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a.raw_, b.raw_, &difference))
        raise(RuntimeError::Number::Overflow);
    return Currency(difference);
}

}
