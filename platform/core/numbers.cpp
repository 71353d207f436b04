#include "platform/core/numbers.h"

#include "platform/core/runtime_error.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace platform {
namespace {

template <typename Int>
Int roundTo(double value)
{
    const double rounded = std::nearbyint(value);
    // Compare in double: both limits of these types are exact doubles.
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min())
          && rounded <= static_cast<double>(std::numeric_limits<Int>::max())))
        raise(RuntimeError::Overflow);
    return static_cast<Int>(rounded);
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
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                              std::chars_format::fixed);
    if (text.empty() || end != text.data() + text.size() || error == std::errc::invalid_argument)
        raise(RuntimeError::TypeMismatch);
    if (error == std::errc::result_out_of_range && std::abs(value) > 1)
        raise(RuntimeError::Overflow);
    return value;
}

std::int32_t textToLong(std::string_view text)
{
    return round32(textToDouble(text));
}

std::string doubleToText(double value)
{
    if (value == 0)
        return "0";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::int16_t round16(double value) { return roundTo<std::int16_t>(value); }
std::int32_t round32(double value) { return roundTo<std::int32_t>(value); }

std::int32_t mod32(std::int32_t dividend, std::int32_t divisor)
{
    if (divisor == 0)
        raise(RuntimeError::DivisionByZero);
    if (divisor == -1)
        return 0;
    return dividend % divisor;
}

std::string format(std::int64_t value, std::string_view mask)
{
    if (mask != "#0" && mask != "###0" && mask != "####0")
        raise(RuntimeError::TypeMismatch);
    return std::to_string(value);
}

}
