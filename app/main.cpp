#include "board/gara.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Contaperle"));
    QApplication::setDesktopFileName(QStringLiteral("it.contaperle.contaperle"));

    // Qt's own words (Yes, No, OK) in the language of the lab's desktop.
    QTranslator traduzione;
    if (traduzione.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzione);

    board::Gara gara;
    gara.avvia();
    return QApplication::exec();
}
