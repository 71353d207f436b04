// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
    // The one option, for pupils who see little (see board::Etichetta::altoContrasto);
    // Qt has taken its own options, such as -platform, out of the list.
    const QStringList opzioni = QApplication::arguments().mid(1);
    for (const QString& opzione : opzioni)
        if (opzione != QLatin1String("--alto-contrasto")) {
            std::fprintf(stderr, "contaperle: opzione sconosciuta '%s'; uso: contaperle [--alto-contrasto]\n",
                         qPrintable(opzione));
            return 2;
        }
    const board::Lezione lezione{.altoContrasto = !opzioni.isEmpty()};
    QApplication::setApplicationName(QStringLiteral("Contaperle"));
    QApplication::setDesktopFileName(QStringLiteral("it.contaperle.contaperle"));
    platform::avoidMonospacedDefault();

    // Qt's own words (Yes, No, OK) in the language of the lab's desktop.
    QTranslator traduzione;
    if (traduzione.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzione);

    board::Gara gara(lezione);
    gara.avvia();
    // Start-up builds fonts, pictures and layouts in memory it then frees:
    // once the window is drawn, hand the free pages back to the system.
    QTimer::singleShot(1000, [] { malloc_trim(0); });
    return QApplication::exec();
}
