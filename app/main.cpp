// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/opzioni.h"
#include "app/riepilogo.h"
#include "board/gara.h"
#include "platform/bridge.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <malloc.h>
#include <optional>
#include <span>
#include <string_view>

namespace {

// The program's names, and Qt's own words (Yes, No, OK, the headings of
// --help) in the language of the lab's desktop.
void presenta(QTranslator& traduzione)
{
    QCoreApplication::setApplicationName(QStringLiteral("Contaperle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CONTAPERLE_VERSION));
    if (traduzione.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduzione);
}

// The lab's file by its path rather than Qt's system scope, which
// XDG_CONFIG_DIRS, a variable of each user's session, can move.
app::Avvio avvio()
{
    return app::leggiOpzioni(QCoreApplication::arguments(), QSettings(app::fileDelLaboratorio(), QSettings::IniFormat));
}

// The records' summary, printed without any window.
int riassumi(const QStringList& registri)
{
    std::vector<std::string> file;
    for (const QString& registro : registri)
        file.push_back(QFile::encodeName(registro).toStdString());
    app::riepilogo(file, std::cout, std::cerr);
    return 0;
}

// --help, --version and the records' summary answer before the window system
// is reached, so they work without a display too, from a terminal over ssh.
// Anything else, Qt's own options among them, goes the usual way.
std::optional<int> soloTesto(int argc, char* argv[])
{
    const std::span argomenti(argv + 1, static_cast<std::size_t>(argc - 1));
    if (std::ranges::none_of(argomenti, [](std::string_view a) {
            return a == "-h" || a == "--help" || a == "-v" || a == "--version" || a == "--riepilogo";
        }))
        return std::nullopt;
    QCoreApplication testo(argc, argv);
    QTranslator traduzione;
    presenta(traduzione);
    const app::Avvio risposta = avvio();
    if (risposta.esci == 0) {
        std::fputs(qPrintable(risposta.righe), stdout);
        return 0;
    }
    if (!risposta.esci && !risposta.riepilogo.isEmpty())
        return riassumi(risposta.riepilogo);
    return std::nullopt;
}

}

int main(int argc, char* argv[])
{
    if (const std::optional<int> fine = soloTesto(argc, argv))
        return *fine;
    platform::quietAccessibilityBridge();
    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("it.contaperle.contaperle"));
    QTranslator traduzione;
    presenta(traduzione);

    // Qt has taken its own options, such as -platform, out of the arguments.
    const app::Avvio scelta = avvio();
    std::fputs(qPrintable(scelta.righe), scelta.esci == 0 ? stdout : stderr);
    if (scelta.esci)
        return *scelta.esci;
    if (!scelta.riepilogo.isEmpty()) // Qt's own options came with it
        return riassumi(scelta.riepilogo);
    platform::avoidMonospacedDefault();

    board::Gara gara(scelta.lezione, scelta.registro);
    gara.avvia();
    // Start-up builds fonts, pictures and layouts in memory it then frees:
    // once the window is drawn, hand the free pages back to the system.
    QTimer::singleShot(1000, [] { malloc_trim(0); });
    return QApplication::exec();
}
