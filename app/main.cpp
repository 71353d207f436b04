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
#include <cstring>
#include <iostream>
#include <malloc.h>
#include <memory>

namespace {

// The records' summary, printed without any window: it runs where there is
// no display too.
int riassumi(const QStringList& registri)
{
    std::vector<std::string> file;
    for (const QString& registro : registri)
        file.push_back(QFile::encodeName(registro).toStdString());
    app::riepilogo(file, std::cout, std::cerr);
    return 0;
}

}

int main(int argc, char* argv[])
{
    const bool senzaFinestre =
        std::any_of(argv + 1, argv + argc, [](const char* a) { return std::strcmp(a, "--riepilogo") == 0; });
    if (!senzaFinestre)
        platform::quietAccessibilityBridge();
    const std::unique_ptr<QCoreApplication> app =
        senzaFinestre ? std::make_unique<QCoreApplication>(argc, argv) : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Contaperle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CONTAPERLE_VERSION));
    if (!senzaFinestre)
        QGuiApplication::setDesktopFileName(QStringLiteral("it.contaperle.contaperle"));

    // Qt's own words (Yes, No, OK, the headings of --help) in the language of the lab's desktop.
    QTranslator traduzione;
    if (traduzione.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduzione);

    // The lab's file by its path rather than Qt's system scope, which
    // XDG_CONFIG_DIRS, a variable of each user's session, can move; Qt has
    // taken its own options, such as -platform, out of the arguments.
    const app::Avvio avvio =
        app::leggiOpzioni(QCoreApplication::arguments(), QSettings(app::fileDelLaboratorio(), QSettings::IniFormat));
    std::fputs(qPrintable(avvio.righe), avvio.esci == 0 ? stdout : stderr);
    if (avvio.esci)
        return *avvio.esci;
    if (senzaFinestre)
        return riassumi(avvio.riepilogo);
    platform::avoidMonospacedDefault();

    board::Gara gara(avvio.lezione, avvio.registro);
    gara.avvia();
    // Start-up builds fonts, pictures and layouts in memory it then frees:
    // once the window is drawn, hand the free pages back to the system.
    QTimer::singleShot(1000, [] { malloc_trim(0); });
    return QCoreApplication::exec();
}
