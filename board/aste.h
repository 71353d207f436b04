// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/forma.h"

#include <QRect>

#include <array>

namespace board {

// One rod of the abacus and its binary digit: the caption above the frame,
// the rod, and the bead on it that shows when the digit is 1. Each control
// keeps its own name; a bead is the one element of its own control array.
struct Asta {
    int peso;
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
};

// From the sixteens, on the left, to the units.
// clang-format off
inline constexpr std::array<Asta, 5> aste = [] {
    using S = platform::SystemColour;
    using Tipo = Forma::Tipo;
    using Riempimento = Forma::Riempimento;
    using namespace colori;
    return std::array<Asta, 5>{{
        {16, "Label8", "Sedicine", {32, 16, 89, 25}, true,
         "Shape7", {56, 120, 25, 185}, {.bordo = S::WindowText, .spessore = 3, .sfondo = S::WindowBackground, .riempimento = Riempimento::Pieno, .colore = blunotte},
         "Shape8_0", {8, 144, 129, 193}, {.tipo = Tipo::Cerchio, .bordo = S::WindowText, .spessore = 2, .sfondo = S::WindowBackground}},
        {8, "Label7", "Ottine", {176, 16, 81, 25}, true,
         "Shape2_3", {208, 120, 24, 185}, {.bordo = nero, .spessore = 3, .sfondo = ciano, .riempimento = Riempimento::Pieno, .colore = rosa},
         "Shape6_1", {152, 176, 129, 129}, {.tipo = Tipo::Cerchio, .bordo = S::WindowText, .spessore = 2, .riempimento = Riempimento::Pieno, .colore = giallo}},
        {4, "Label5", "Quartine", {320, 16, 81, 25}, true,
         "Shape2_2", {360, 120, 25, 185}, {.bordo = nero, .spessore = 3, .riempimento = Riempimento::Pieno, .colore = rosso},
         "Shape5_1", {312, 88, 129, 305}, {.tipo = Tipo::Cerchio, .bordo = S::WindowText, .spessore = 2, .riempimento = Riempimento::Pieno, .colore = blu}},
        {2, "Label4", "Duine", {480, 16, 49, 25}, false,
         "Shape2_1", {512, 120, 25, 185}, {.bordo = S::WindowText, .spessore = 3, .sfondo = S::WindowBackground},
         "Shape4_1", {464, 168, 129, 145}, {.tipo = Tipo::Cerchio, .bordo = S::WindowText, .spessore = 2, .sfondo = verdeAcqua}},
        {1, "Label2", "Unit\u00E0", {624, 16, 57, 25}, true,
         "Shape2_0", {664, 120, 25, 185}, {.bordo = S::WindowText, .spessore = 3, .sfondo = verde},
         "Shape3_1", {600, 176, 153, 129}, {.tipo = Tipo::Cerchio, .bordo = S::WindowText, .spessore = 2, .sfondo = lilla, .riempimento = Riempimento::Pieno, .colore = magenta}},
    }};
}();
// clang-format on

}
