// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/aste.h"

#include <QRect>

#include <vector>

class QWidget;

namespace board {

class Etichetta;
class Forma;

// The abacus of a lesson: N rods of board::aste side by side, the top band
// and the base bar, placed by index on the window's surface. Five rods give
// the board as it has always been drawn; more rods make the columns, beads
// and captions narrower so that eight still fit 1024 pixels; fewer leave
// the abacus centred in the window's usual width. The controls are made
// back to front, so each covers those made before it: the rods the base bar
// covers, then (made by the window) the scores, the bar and the verdict,
// then the beads over their rods, the band and the captions.
class Abaco {
public:
    // Error 9 for a count of rods outside 3..8.
    explicit Abaco(int quante);

    int numero() const { return static_cast<int>(righe_.size()); }
    const Asta& asta(int i) const { return *righe_[static_cast<std::size_t>(i)]; }
    // The window's width: the usual 754 pixels, or the abacus's if wider.
    int larghezza() const { return larghezza_; }
    // Where a rod's caption, rod and bead lie on the surface.
    QRect didascalia(int i) const;
    QRect bastone(int i) const;
    QRect perla(int i) const;
    // The bead's disc, the largest circle in its box.
    QRect disco(int i) const;
    // The rod and its bead: what a pointer or a finger aims at.
    QRect colonna(int i) const { return bastone(i).united(disco(i)); }
    QRect fascia() const;
    QRect base() const;

    void costruisciAsteDietro(QWidget* superficie);
    // Shape1; the bar the verdict lies on.
    Forma* costruisciBase(QWidget* superficie) const;
    void costruisciPerle(QWidget* superficie);
    // Shape9 and the captions above it.
    Forma* costruisciCima(QWidget* superficie);

    const std::vector<Forma*>& perle() const { return perle_; }
    const std::vector<Etichetta*>& didascalie() const { return didascalie_; }

private:
    int x(int i, int scarto) const;
    int scala(int lunghezza) const;
    // Whether every caption, in the window's face at this size, stays
    // clear of the next.
    bool staccate(double punti) const;
    void costruisciAsta(QWidget* superficie, int i) const;

    std::vector<const Asta*> righe_;
    int passo_;
    int sinistra_ = 0;
    int abaco_;
    int larghezza_;
    std::vector<Forma*> perle_;
    std::vector<Etichetta*> didascalie_;
};

}
