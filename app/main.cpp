// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/opzioni.h"
#include "board/gara.h"
#include "platform/bridge.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <malloc.h>

int main(int argc, char* argv[])
{
    platform::quietAccessibilityBridge();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Contaperle"));
    QApplication::setApplicationVersion(QStringLiteral(CONTAPERLE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("it.contaperle.contaperle"));

    // Qt's own words (Yes, No, OK, the headings of --help) in the language of the lab's desktop.
    QTranslator traduzione;
    if (traduzione.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzione);

    // The lab's file by its path rather than Qt's system scope, which
    // XDG_CONFIG_DIRS, a variable of each user's session, can move; Qt has
    // taken its own options, such as -platform, out of the arguments.
    const app::Avvio avvio =
        app::leggiOpzioni(QApplication::arguments(), QSettings(app::fileDelLaboratorio(), QSettings::IniFormat));
    std::fputs(qPrintable(avvio.righe), avvio.esci == 0 ? stdout : stderr);
    if (avvio.esci)
        return *avvio.esci;
    platform::avoidMonospacedDefault();

    board::Gara gara(avvio.lezione);
    gara.avvia();
    // Start-up builds fonts, pictures and layouts in memory it then frees:
    // once the window is drawn, hand the free pages back to the system.
    QTimer::singleShot(1000, [] { malloc_trim(0); });
    return QApplication::exec();
}
