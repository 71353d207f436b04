// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/numbers.h"

#include "platform/core/runtime_error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace platform {
namespace {

// Room for any double in plain digits: "-0.", 323 zeros and a digit at the
// small end, 309 digits at the large one.
constexpr std::size_t maxFixedLength = 330;

template <typename Int>
Int roundTo(double value)
{
    const double rounded = std::nearbyint(value);
    // Compare in double: both limits of these types are exact doubles.
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min())
          && rounded <= static_cast<double>(std::numeric_limits<Int>::max())))
        raise(RuntimeError::Number::Overflow);
    return static_cast<Int>(rounded);
}

// The text of a number without its plus sign: an optional minus, then only
// digits and points, or error 13 (so "+-2", "inf" and "nan" are no numbers).
std::string_view withoutPlus(std::string_view number)
{
    const bool plus = !number.empty() && number.front() == '+';
    number.remove_prefix(plus);
    const std::string_view body = number.substr(!plus && !number.empty() && number.front() == '-');
    if (body.find_first_not_of("0123456789.") != std::string_view::npos)
        raise(RuntimeError::Number::TypeMismatch);
    return number;
}

}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

double textToDouble(std::string_view text)
{
    const std::string_view number = withoutPlus(trimmed(text));
    double value = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    if (end != number.data() + number.size() || error == std::errc::invalid_argument)
        raise(RuntimeError::Number::TypeMismatch);
    if (error == std::errc::result_out_of_range) {
        // Too far from 0 to tell from it, unless a whole digit is not 0.
        const std::string_view whole = number.substr(0, number.find('.'));
        if (whole.find_first_of("123456789") != std::string_view::npos)
            raise(RuntimeError::Number::Overflow);
        return number.front() == '-' ? -0.0 : 0.0;
    }
    return value;
}

// Exactly the decimal text rounded half to even, not the double nearest to
// it rounded again: "2.50000000000000000001" is 3.
std::int32_t textToLong(std::string_view text)
{
    const double value = textToDouble(text);
    if (!(std::abs(value) < 0x1p32))
        raise(RuntimeError::Number::Overflow);
    std::string_view number = withoutPlus(trimmed(text));
    const bool negative = number.front() == '-';
    number.remove_prefix(negative);
    const auto point = std::min(number.find('.'), number.size());
    std::int64_t whole = 0;
    for (char digit : number.substr(0, point))
        whole = whole * 10 + (digit - '0');
    const std::string_view fraction = number.substr(std::min(point + 1, number.size()));
    const bool pastHalf = fraction.find_first_not_of('0', 1) != std::string_view::npos;
    if (!fraction.empty() && (fraction[0] > '5' || (fraction[0] == '5' && (pastHalf || whole % 2))))
        ++whole;
    return roundTo<std::int32_t>(static_cast<double>(negative ? -whole : whole));
}

std::string doubleToText(double value)
{
    if (!std::isfinite(value))
        raise(RuntimeError::Number::Overflow);
    if (value == 0)
        return "0";
    // Plain digits, never an exponent, so that textToDouble reads it back.
    char buffer[maxFixedLength];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::int16_t round16(double value) { return roundTo<std::int16_t>(value); }
std::int32_t round32(double value) { return roundTo<std::int32_t>(value); }

std::int32_t mod32(std::int32_t dividend, std::int32_t divisor)
{
    if (divisor == 0)
        raise(RuntimeError::Number::DivisionByZero);
    if (divisor == -1)
        return 0;
    return dividend % divisor;
}

std::string format(std::int64_t value, std::string_view mask)
{
    if (mask != "#0" && mask != "###0" && mask != "####0")
        raise(RuntimeError::Number::TypeMismatch);
    return std::to_string(value);
}

}
