// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace board {

// The contest's scores; the total is formed with the counters' checked
// 16-bit arithmetic, so it raises error 6 past 32767.
struct Conti {
    std::int16_t esatte = 0, errate = 0, esercizi = 0;
    [[nodiscard]] std::int16_t totale() const;
    bool operator==(const Conti&) const = default;
};

// One exercise of a lesson of N rods, without any window: the number drawn
// from 1 to 2^N - 1, its decimal text, its beads, and the judging of an
// answer. Rods are counted from the left, where the highest weight is.
class Esercizio {
public:
    // Error 9 for a count of rods outside 3..8.
    explicit Esercizio(int quante = 5);

    int aste() const { return aste_; }
    int massimo() const { return (1 << aste_) - 1; }
    int peso(int asta) const { return 1 << (aste_ - 1 - asta); }

    // The number for a uniform fraction 0 <= r < 1: every value of the
    // range equally likely.
    void estrai(double r);
    int valore() const { return valore_; }
    // Plain decimal digits, as the answer must be typed.
    std::string testo() const;
    bool perla(int asta) const { return (valore_ / peso(asta)) % 2 == 1; }

    // Exact text: " 7", "07" and "+7" are wrong answers to 7.
    bool giusta(std::string_view risposta) const { return risposta == testo(); }

private:
    int aste_;
    int valore_ = 0;
};

}
