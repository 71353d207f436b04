// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Rounding to an integer type, half to even; error 6 when it does not fit.
[[nodiscard]] std::int16_t round16(double value);
[[nodiscard]] std::int32_t round32(double value);

// The digit masks "#0", "###0" and "####0": plain decimal digits, at least
// one, no grouping and no leading zeros. Any other mask raises error 13.
[[nodiscard]] std::string format(std::int64_t value, std::string_view mask);

// The text without the spaces around it, as currency text is read.
[[nodiscard]] std::string_view trimmed(std::string_view text);

}
