// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace board {

// Which way the pupil works: reading a number off the beads, or putting
// beads on the rods for a number given in digits and words.
enum class Verso { Leggi, Componi };

// The lesson a run of the program plays, from the command line or the lab's
// settings file. The defaults are the five-rod reading drill.
struct Lezione {
    static constexpr int minAste = 3, maxAste = 8;
    int aste = 5;
    Verso verso = Verso::Leggi;
    bool altoContrasto = false;
    // The keypad under the board, for a touch screen; a touch shows it anyway.
    bool tastierino = false;
    bool operator==(const Lezione&) const = default;
};

}
