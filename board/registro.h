// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/esercizio.h"
#include "board/lezione.h"
#include "platform/core/append.h"

#include <QString>

#include <deque>
#include <set>
#include <string>

namespace platform {
class RuntimeError;
}

namespace board {

// The record of the answers a teacher may ask for: one CSV line per judged
// answer in FOLDER/contaperle-YYYY-MM-DD-LOGIN.csv, the day's file for each
// answer (columns: intestazione in registro.cpp, and the README). Its faults
// never interrupt the pupil: each kind gets one line on standard error and
// the teacher finds it in stato(); a line that could not be written waits,
// in order, and goes first once writing works again.
class Registro {
public:
    Registro(const Lezione& lezione, const QString& cartella);
    // A last try for the lines still waiting.
    ~Registro();
    Registro(const Registro&) = delete;
    Registro& operator=(const Registro&) = delete;

    // `conti` are the scores with this answer counted.
    void annota(int numero, const QString& risposta, bool giusta, const Conti& conti) noexcept;
    // For the credits menu: where the answers go, or why they are not kept.
    QString stato() const;

private:
    struct Riga {
        std::string file, testo;
    };
    // Raises the fault of the first line that cannot be written.
    void scrivi();
    void segnala(const platform::RuntimeError& e);

    Lezione lezione_;
    QString cartella_;
    std::string alunno_;
    platform::Appender appender_;
    std::deque<Riga> attesa_;
    std::size_t byteInAttesa_ = 0;
    int perse_ = 0;
    std::set<std::string> segnalati_;
    // The fault in force; empty while the record is kept.
    QString guasto_;
};

}
