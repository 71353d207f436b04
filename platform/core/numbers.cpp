// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/numbers.h"

#include "platform/core/runtime_error.h"

#include <cmath>
#include <limits>

namespace platform {
namespace {

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

}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::int16_t round16(double value) { return roundTo<std::int16_t>(value); }
std::int32_t round32(double value) { return roundTo<std::int32_t>(value); }

std::string format(std::int64_t value, std::string_view mask)
{
    if (mask != "#0" && mask != "###0" && mask != "####0")
        raise(RuntimeError::Number::TypeMismatch);
    return std::to_string(value);
}

}
