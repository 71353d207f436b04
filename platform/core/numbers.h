// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Conversions between text and numbers. A number is an optional sign, digits
// and at most one point, with spaces around it allowed; anything else raises
// error 13, a number that does not fit its type error 6. textToDouble gives
// the nearest double (0 for a number too small for any), textToLong the
// decimal value rounded half to even.
[[nodiscard]] std::int32_t textToLong(std::string_view text);
[[nodiscard]] double textToDouble(std::string_view text);
// Shortest text that reads back as the same double, in plain digits without a
// leading space or an exponent: "0", "1", "12.5". Error 6 for an infinity or
// NaN.
[[nodiscard]] std::string doubleToText(double value);

// Rounding to an integer type, half to even; error 6 when it does not fit.
[[nodiscard]] std::int16_t round16(double value);
[[nodiscard]] std::int32_t round32(double value);

// Whole-number remainder with the sign of the dividend; error 11 for a zero
// divisor.
[[nodiscard]] std::int32_t mod32(std::int32_t dividend, std::int32_t divisor);

// The digit masks "#0", "###0" and "####0": plain decimal digits, at least
// one, no grouping and no leading zeros. Any other mask raises error 13.
[[nodiscard]] std::string format(std::int64_t value, std::string_view mask);

// The text without the spaces around it, as every conversion reads it.
[[nodiscard]] std::string_view trimmed(std::string_view text);

}
