// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/lezione.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace board {

class Registro;
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
    // With a folder, every judged answer is recorded there (see Registro).
    explicit Gara(const Lezione& lezione = {}, const QString& registro = {});
    ~Gara() override;

    // Loads and shows the window; its activation puts up the first exercise.
    void avvia();
    Tavola* tavola() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nuovaGara();
    // The record's state, as a line of the credits menu.
    void mostraRegistro();

    Lezione lezione_;
    std::unique_ptr<Registro> registro_;
    QPointer<Tavola> tavola_;
};

}
