// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/forma.h"
#include "board/lezione.h"

#include <QRect>

#include <array>

namespace board {

// One rod of the abacus and its binary digit (its weight comes from its
// place, see board::Esercizio): the caption above the frame,
// the rod, and the bead on it that shows when the digit is 1. Each control
// keeps its own name; a bead is the one element of its own control array.
// The boxes are in the rod's own column, 152 pixels wide, its left edge at
// 0: the abacus places the columns side by side (see board/abaco.h). The
// five rods of the drill keep their boxes as they have always been drawn,
// slightly uneven; the rods of 32 and up are placed evenly.
struct Asta {
    const char* nomeDidascalia;
    const char* didascalia; // UTF-8
    QRect boxDidascalia;
    bool centrata;
    const char* nomeAsta;
    QRect boxAsta;
    Forma::Aspetto asta;
    const char* nomePerla;
    QRect boxPerla;
    Forma::Aspetto perla;
    // The base bar covers the foot of this rod; other rods cover the bar.
    bool dietroLaBase;
};

// From the 128s, on the left, to the units, one row a rod; a lesson of N
// rods takes the last N.
// clang-format off
inline constexpr std::array<Asta, Lezione::maxAste> aste = [] {
    using S = platform::SystemColour;
    using Tipo = Forma::Tipo;
    using Riempimento = Forma::Riempimento;
    using namespace colori;
    constexpr QRect didascalia(8, 16, 113, 25), asta(52, 120, 25, 185), perla(0, 176, 129, 129);
    return std::array<Asta, Lezione::maxAste>{{
        {"Label128", "Centoventottine", didascalia, true,
         "Shape128", asta, {.bordo = nero, .spessore = 3, .sfondo = giallo},
         "Perla128", perla, {.tipo = Tipo::Cerchio, .bordo = S::WindowText, .spessore = 2, .riempimento = Riempimento::Pieno, .colore = rosso}, false},
        {"Label64", "Sessantaquattrine", didascalia, true,
         "Shape64", asta, {.bordo = nero, .spessore = 3, .sfondo = S::WindowBackground, .riempimento = Riempimento::Pieno, .colore = verdeScuro},
         "Perla64", perla, {.tipo = Tipo::Cerchio, .bordo = S::WindowText, .spessore = 2, .sfondo = ciano}, false},
        {"Label32", "Trentaduine", didascalia, true,
         "Shape32", asta, {.bordo = nero, .spessore = 3, .sfondo = lilla},
         "Perla32", perla, {.tipo = Tipo::Cerchio, .bordo = S::WindowText, .spessore = 2, .riempimento = Riempimento::Pieno, .colore = rosa}, false},
        {"Label8", "Sedicine", {24, 16, 89, 25}, true,
         "Shape7", {48, 120, 25, 185}, {.bordo = S::WindowText, .spessore = 3, .sfondo = S::WindowBackground, .riempimento = Riempimento::Pieno, .colore = blunotte},
         "Shape8_0", {0, 144, 129, 193}, {.tipo = Tipo::Cerchio, .bordo = S::WindowText, .spessore = 2, .sfondo = S::WindowBackground}, false},
        {"Label7", "Ottine", {16, 16, 81, 25}, true,
         "Shape2_3", {48, 120, 24, 185}, {.bordo = nero, .spessore = 3, .sfondo = ciano, .riempimento = Riempimento::Pieno, .colore = rosa},
         "Shape6_1", {-8, 176, 129, 129}, {.tipo = Tipo::Cerchio, .bordo = S::WindowText, .spessore = 2, .riempimento = Riempimento::Pieno, .colore = giallo}, true},
        {"Label5", "Quartine", {8, 16, 81, 25}, true,
         "Shape2_2", {48, 120, 25, 185}, {.bordo = nero, .spessore = 3, .riempimento = Riempimento::Pieno, .colore = rosso},
         "Shape5_1", {0, 88, 129, 305}, {.tipo = Tipo::Cerchio, .bordo = S::WindowText, .spessore = 2, .riempimento = Riempimento::Pieno, .colore = blu}, true},
        {"Label4", "Duine", {16, 16, 49, 25}, false,
         "Shape2_1", {48, 120, 25, 185}, {.bordo = S::WindowText, .spessore = 3, .sfondo = S::WindowBackground},
         "Shape4_1", {0, 168, 129, 145}, {.tipo = Tipo::Cerchio, .bordo = S::WindowText, .spessore = 2, .sfondo = verdeAcqua}, true},
        {"Label2", "Unit\u00E0", {8, 16, 57, 25}, true,
         "Shape2_0", {48, 120, 25, 185}, {.bordo = S::WindowText, .spessore = 3, .sfondo = verde},
         "Shape3_1", {-16, 176, 153, 129}, {.tipo = Tipo::Cerchio, .bordo = S::WindowText, .spessore = 2, .sfondo = lilla, .riempimento = Riempimento::Pieno, .colore = magenta}, false},
    }};
}();
// clang-format on

}
