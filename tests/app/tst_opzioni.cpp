// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/opzioni.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The arguments after the program's name, the lab's file as written, and what
// start-up must make of them: the lesson (when the drill starts) or the exit
// status, and a pattern for each line printed after "contaperle: ".
struct Riga {
    const char* nome;
    QStringList argomenti;
    QByteArray file;
    board::Lezione lezione;
    int esci = -1;
    QStringList righe = {}; // NOLINT(readability-redundant-member-init): rows leave it out
    QString registro = {};  // NOLINT(readability-redundant-member-init)
};

static const Riga tabella[] = {
    {"nulla", {}, "", {}},
    {"aste 3", {"--aste", "3"}, "", {.aste = 3}},
    {"componi", {"--componi"}, "", {.verso = board::Verso::Componi}},
    {"interruttori", {"--alto-contrasto", "--tastierino"}, "", {.altoContrasto = true, .tastierino = true}},
    {"file", {}, "aste=8\nverso=componi\nalto-contrasto=true\ntastierino=true", {8, board::Verso::Componi, true, true}},
    {"file e riga",
     {"--aste", "3", "--leggi"},
     "aste=7\nverso=componi\nalto-contrasto=true",
     {3, board::Verso::Leggi, true}},
    {"riga: componi e leggi", {"--componi", "--leggi"}, "", {}, 2, {"--componi e --leggi insieme"}},
    {"riga: aste tre", {"--componi", "--aste", "tre"}, "", {}, 2, {"--aste 'tre'.* da 3 a 8$"}},
    {"riga: aste senza valore", {"--aste"}, "", {}, 2, {".*--aste.* da 3 a 8$"}},
    {"riga e file sbagliati", {"--aste", "2"}, "aste=0", {}, 2, {"--aste '2'"}},
    {"riga: opzione ignota", {"--aste", "4", "--colori"}, "", {}, 2, {".*'colori'"}},
    {"riga: argomento", {"cinque"}, "", {}, 2, {".*'cinque'"}},
    {"file: aste", {}, "aste=1\nalto-contrasto=true", {.altoContrasto = true}, -1, {".*conf: aste = '1' .*da 3 a 8"}},
    {"file: verso", {}, "verso=scrivi", {}, -1, {".*conf: verso = 'scrivi' .*leggi o componi"}},
    {"file: alto contrasto", {}, "alto-contrasto=1", {}, -1, {".*conf: alto-contrasto = '1' .*true o false"}},
    {"file: tastierino", {}, "tastierino=si", {}, -1, {".*conf: tastierino = 'si' .*true o false"}},
    {"registro", {"--registro", "r"}, "registro=/srv/r", {}, -1, {}, QDir::current().absoluteFilePath("r")},
    {"file: registro", {}, "registro=/srv/r", {}, -1, {}, "/srv/r"},
    {"file: registro in casa", {}, "registro=~/r", {}, -1, {}, QDir::homePath() + "/r"},
    {"file: registro relativo", {}, "registro=r", {}, -1, {".*conf: registro = 'r' .*~/"}},
    {"riga: riepilogo senza file", {"--riepilogo"}, "", {}, 2, {"--riepilogo senza file"}},
    {"file: chiavi e righe", {}, "aste=3, 4\nAste=3\n[y", {}, -1, {".*righe", ".*'Aste'", ".*conf: aste = '3, 4' "}},
};

class TstOpzioni : public QObject {
    Q_OBJECT
private slots:
    void leggi_data()
    {
        QTest::addColumn<int>("numero");
        for (const Riga& riga : tabella)
            QTest::newRow(riga.nome) << static_cast<int>(&riga - tabella);
    }

    void leggi()
    {
        QFETCH(int, numero);
        const Riga& riga = tabella[numero];
        QTemporaryDir cartella;
        QFile file(cartella.filePath(QStringLiteral("contaperle.conf")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(riga.file) == riga.file.size() && file.flush());
        const app::Avvio avvio = app::leggiOpzioni(QStringList{QStringLiteral("contaperle")} + riga.argomenti,
                                                   QSettings(file.fileName(), QSettings::IniFormat));
        QCOMPARE(avvio.esci.value_or(-1), riga.esci);
        QVERIFY(avvio.esci || (avvio.lezione == riga.lezione && avvio.registro == riga.registro));
        const QStringList righe = avvio.righe.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(righe.size(), riga.righe.size());
        for (qsizetype i = 0; i < righe.size(); ++i)
            QVERIFY2(righe[i].contains(QRegularExpression(QStringLiteral("^contaperle: ") + riga.righe[i])),
                     qPrintable(righe[i]));
    }
};

QTEST_GUILESS_MAIN(TstOpzioni)
#include "tst_opzioni.moc"
