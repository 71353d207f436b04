// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

namespace board {

class Pulsante;

// The keypad under the board, for answering by finger at a touch screen:
// the digits 1 to 5 and a key that deletes the last digit, then 6 to 9, 0
// and Invio; composing, Invio alone. A tap sends the key a keyboard would to
// the control that has the window's focus, so board::Tastiera's rules hold
// as for typing: digits go into the answer box, Invio judges or, on "Nuovo
// calcolo", draws the next number, and nothing runs while a box is open. The
// keys never take the focus, so typing goes on where it was. Screen readers
// find each key a button named by its digit, "Cancella" or "Invio".
class Tastierino : public QWidget {
    Q_OBJECT
public:
    // The side of a key in logical pixels, on a screen of dpi physical dots
    // an inch (per logical pixel, as QScreen reports them): 9 mm, a
    // finger's width, and never under 48 pixels, which is also the side
    // where the screen's size is unknown or implausible.
    static int lato(qreal dpi);

    // Below the surface's controls, as wide as the surface: the surface is
    // to grow by its height.
    Tastierino(QWidget* superficie, bool cifre);

private:
    Pulsante* tasto(const QString& nome, const QString& didascalia, const QRect& riquadro, const QColor& faccia,
                    const QList<Qt::Key>& tasti);
    void premi(const QList<Qt::Key>& tasti) const;
};

}
