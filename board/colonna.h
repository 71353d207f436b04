// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

namespace board {

// A rod as the pupil composes a number on it: a toggle over the rod and its
// bead, on when the bead is put on. A click, a tap or Space toggles it; the
// arrow keys move to the rod beside it, round the abacus; Enter reaches the
// window's answer check (see board::Tastiera). It draws nothing but a frame
// while it has the focus: the bead and the rod under it show the state.
// Screen readers find a check box named after the rod's caption.
class Colonna : public QAbstractButton {
    Q_OBJECT
public:
    Colonna(QWidget* genitore, const QString& nome, const QRect& riquadro, const QString& didascalia);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}
