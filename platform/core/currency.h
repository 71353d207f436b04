// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// A fixed-point amount with four decimal places: a 64-bit integer holding the
// value times 10,000, so sums and differences are exact.
class Currency {
public:
    static constexpr std::int64_t scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t raw) { return Currency(raw); }
    // Decimal text such as "13", "-2.5" or " 7 ", with at most four decimals.
    // Error 13 for anything else, error 6 outside the range.
    [[nodiscard]] static Currency fromText(std::string_view text);
    // Rounded half to even to four decimals; error 6 outside the range.
    [[nodiscard]] static Currency fromDouble(double value);

    constexpr std::int64_t raw() const { return raw_; }
    // The nearest double to the decimal value (not to the raw integer, which
    // loses digits above 2^53).
    [[nodiscard]] double toDouble() const;

    friend Currency operator-(Currency a, Currency b);
    friend constexpr bool operator==(Currency, Currency) = default;

private:
    constexpr explicit Currency(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

// The exact difference; error 6 outside the range.
[[nodiscard]] Currency operator-(Currency a, Currency b);

}
