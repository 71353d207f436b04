// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/currency.h"

#include <array>
#include <string>
#include <string_view>

namespace words {

// Spells whole numbers in Italian as one lower-case word ("ventotto",
// "duemilioni", "centoottanta"). The window owns one and lends it its
// numlett.
class Vocabolario {
public:
    // Spells the whole part of numer, from 1 up to 999,999,999,999; below 1
    // the text is empty. Each group of three digits that is spelled is taken
    // away from numer, so it is left holding the fraction (or, below 1, its
    // own value). Error 9, with numer unchanged, from 10^12 up.
    std::string numlett(platform::Currency& numer);

private:
    void riempi();
    std::string_view parola(double indice) const;
    void aggiungiGruppo(std::string& testo, double gruppo) const;
    static void aggiungiScala(std::string& testo, int esponente, double gruppo);

    // Entry 0 is never used: the words start at 1, where a remainder of zero
    // reads as the empty word. Views of the fixed words, so that refilling
    // the table at every call copies no text.
    std::array<std::string_view, 29> parole;
};

}
