// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The record's writer without a window, for registro.py: appends to FILE one line per answer
// read from standard input (each as its length in bytes, a newline, then the bytes), the login
// column TAG and the number column the answer's place, through the program's own CSV and append
// code. Usage: registra FILE TAG HEADER; exit 1 at the first fault.
#include "platform/core/append.h"
#include "platform/core/csv.h"

#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 4)
        return 2;
    platform::Appender appender;
    std::size_t lunghezza = 0;
    for (int n = 1; std::cin >> lunghezza && std::cin.get(); ++n) {
        std::string risposta(lunghezza, '\0'), numero = std::to_string(n);
        std::cin.read(risposta.data(), static_cast<std::streamsize>(lunghezza));
        const platform::AppendResult esito =
            appender.append(argv[1], std::string(argv[3]) + "\r\n",
                            platform::csvLine({"2026-12-07T09:05:00+01:00", argv[2], "5", "leggi", numero, risposta,
                                               "sbagliata", "0", numero, numero}));
        if (esito.fault != platform::AppendFault::None)
            return 1;
    }
}
