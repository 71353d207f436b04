// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/lezione.h"

#include <QSettings>
#include <QString>
#include <QStringList>

#include <optional>

namespace app {

// The lab's file: the lesson for every pupil of the machine, which a
// pupil's own settings never change.
inline QString fileDelLaboratorio() { return QStringLiteral("/etc/xdg/Contaperle/contaperle.conf"); }

// What start-up makes of the command line and the lab's file.
struct Avvio {
    board::Lezione lezione;
    // Set when the program leaves at once: 0 after --help or --version, 2 for
    // a bad command line.
    std::optional<int> esci;
    // Lines to print, each ending in a newline: the help or the version (to
    // standard output, when esci is 0), else the command line's one error or
    // the faults of the lab's file (to standard error).
    QString righe;
    // The folder of the record of the answers; empty for none (the default).
    // Initialised, or gcc finds designated initialisers incomplete.
    QString registro = {}; // NOLINT(readability-redundant-member-init)
    // The records to summarise, with --riepilogo: no window then.
    QStringList riepilogo = {}; // NOLINT(readability-redundant-member-init)
};

// The lesson from the arguments (the program's name first, Qt's own options
// already taken out) over the lab's file, key by key. A bad value in the file
// is reported and leaves that key's default, so the drill always starts.
Avvio leggiOpzioni(const QStringList& argomenti, const QSettings& laboratorio);

}
