#include "board/etichetta.h"
#include "board/gara.h"
#include "platform/bridge.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    platform::quietAccessibilityBridge();
    // The one option, for pupils who see little: see board::Etichetta::altoContrasto.
    bool altoContrasto = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--alto-contrasto") != 0) {
            std::fprintf(stderr, "contaperle: opzione sconosciuta '%s'; uso: contaperle [--alto-contrasto]\n", argv[i]);
            return 2;
        }
        altoContrasto = true;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Contaperle"));
    QApplication::setDesktopFileName(QStringLiteral("it.contaperle.contaperle"));
    platform::avoidMonospacedDefault();
    board::Etichetta::altoContrasto = altoContrasto;

    // Qt's own words (Yes, No, OK) in the language of the lab's desktop.
    QTranslator traduzione;
    if (traduzione.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzione);

    board::Gara gara;
    gara.avvia();
    return QApplication::exec();
}
