// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/lezione.h"

#include <QObject>
#include <QPointer>

namespace board {

class Tavola;

// The program's run: owns the window across contests (a new contest unloads
// the window and shows a fresh one without the program ending), and the
// keyboard and screen-reader support that serve every window. The first
// touch of a touch screen shows the keypad, in this window and the next
// ones: a classroom's touch monitor needs no setting. A mouse, a pen or a
// touchpad never shows it.
class Gara : public QObject {
    Q_OBJECT
public:
    explicit Gara(const Lezione& lezione = {});
    ~Gara() override;

    // Loads and shows the window; its activation puts up the first exercise.
    void avvia();
    Tavola* tavola() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nuovaGara();

    Lezione lezione_;
    QPointer<Tavola> tavola_;
};

}
