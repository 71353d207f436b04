// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>

#include <cstdint>

class QKeyEvent;

namespace board {

// The program's keyboard, all in one place. Made once, by board::Gara, it
// watches every key of the program:
// - a held key counts once: keyboard auto-repeat sends a held key again and
//   again; on X11 Qt marks only some of the repeats (it looks for the next
//   press in its queue, which may not have arrived yet), but a repeat's press
//   carries the time stamp of the release just before it, which no finger can
//   match. The repeats of the keys the drill acts on (Enter, Space, keys with
//   Ctrl or Alt) are dropped before any control or shortcut sees them; held
//   digits still type, as in any text box;
// - a lone Alt does nothing: it would move the keyboard into the menu bar
//   with nothing on screen to show it, and the next Enter would open
//   "Freeware" instead of judging the answer; Ctrl+N still reaches "NUOVO";
// - an access key gives its button the focus before the click, as the mouse
//   does, so that a screen reader says which button was pressed before the
//   click moves the focus on;
// - Return and the keypad's Enter click the button that has the focus, as
//   Space does;
// - every character typed in a window's answer box, or on a rod of a
//   lesson that composes, reaches the window's Text3_KeyPress with its
//   character code before the control sees it.
class Tastiera : public QObject {
    Q_OBJECT
public:
    // Character codes of the keys that type none of their own.
    enum Codice : std::int16_t { Backspace = 8, Invio = 13, Esc = 27 };

    explicit Tastiera(QObject* parent);

    // The character code of a key, or -1 for keys that type no character.
    static int codice(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Consegna;

    bool ripetuto(const QKeyEvent& tasto, QEvent::Type tipo);
    // What a key does once it reaches a control (see Consegna).
    bool consegna(QObject* controllo, QEvent* event);

    Consegna* consegna_;
    int rilasciato_ = 0;
    quint64 istante_ = 0;
};

}
