// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/opzioni.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <array>
#include <utility>

namespace app {

namespace {

using board::Lezione;
using board::Verso;

// The keys of the lab's file, the options named as they are, and the values.
const QLatin1String aste("aste"), verso("verso"), altoContrasto("alto-contrasto"), tastierino("tastierino"),
    componi("componi"), leggi("leggi"), vero("true"), falso("false"), registro("registro"), riepilogo("riepilogo");

// The keys that are true or false, each the lesson's flag of the option of its name.
const std::array<std::pair<QLatin1String, bool Lezione::*>, 2> interruttori{
    {{altoContrasto, &Lezione::altoContrasto}, {tastierino, &Lezione::tastierino}}};

bool interruttore(const QString& chiave)
{
    return std::ranges::any_of(interruttori, [&](const auto& i) { return chiave == i.first; });
}

QString valoriAste() { return QStringLiteral("da %1 a %2").arg(Lezione::minAste).arg(Lezione::maxAste); }

std::optional<int> asteDa(const QString& testo)
{
    bool numero = false;
    const int n = testo.toInt(&numero);
    if (!numero || n < Lezione::minAste || n > Lezione::maxAste)
        return std::nullopt;
    return n;
}

// The lab's record folder is the same for every pupil: absolute, or in each
// pupil's home ("~/"); false for anything else.
bool impostaRegistro(Avvio& avvio, const QString& valore)
{
    if (!QDir::isAbsolutePath(valore) && !valore.startsWith(QLatin1String("~/")))
        return false;
    avvio.registro = valore.startsWith(u'~') ? QDir::homePath() + valore.mid(1) : valore;
    return true;
}

// Puts a key's value into the lesson; false for a value the key does not take.
bool imposta(Avvio& avvio, const QString& chiave, const QString& valore)
{
    Lezione& lezione = avvio.lezione;
    if (chiave == registro)
        return impostaRegistro(avvio, valore);
    if (chiave == aste) {
        const std::optional<int> n = asteDa(valore);
        lezione.aste = n.value_or(lezione.aste);
        return n.has_value();
    }
    if (chiave == verso && (valore == leggi || valore == componi)) {
        lezione.verso = valore == componi ? Verso::Componi : Verso::Leggi;
        return true;
    }
    for (const auto& [nome, campo] : interruttori)
        if (chiave == nome && (valore == vero || valore == falso)) {
            lezione.*campo = valore == vero;
            return true;
        }
    return false;
}

// The values a key takes, as the warnings name them; empty for no such key.
QString ammessi(const QString& chiave)
{
    if (chiave == aste)
        return valoriAste();
    if (chiave == verso)
        return QStringLiteral("leggi o componi");
    if (interruttore(chiave))
        return QStringLiteral("true o false");
    if (chiave == registro)
        return QStringLiteral("una cartella, con il percorso intero o che inizia con ~/");
    return {};
}

// Every key of the lab's file with an allowed value goes into the lesson;
// anything else gets one line of warning and changes nothing, so a typing
// slip in the file never leaves a lab without its drill.
void leggiFile(const QSettings& file, Avvio& avvio)
{
    const QString dove = QStringLiteral("contaperle: ") + file.fileName() + QStringLiteral(": ");
    if (file.status() != QSettings::NoError)
        avvio.righe += dove + QStringLiteral("illeggibile, o con righe non valide che sono ignorate\n");
    for (const QString& chiave : file.allKeys()) {
        // A value with commas comes back as a list: name it as written.
        const QString valore = file.value(chiave).toStringList().join(QStringLiteral(", "));
        if (ammessi(chiave).isEmpty())
            avvio.righe +=
                dove
                + QStringLiteral(
                      "chiave sconosciuta '%1' (le chiavi: aste, verso, alto-contrasto, tastierino, registro)\n")
                      .arg(chiave);
        else if (!imposta(avvio, chiave, valore))
            avvio.righe += dove
                           + QStringLiteral("%1 = '%2' non ammesso (valori ammessi: %3); vale il predefinito\n")
                                 .arg(chiave, valore, ammessi(chiave));
    }
}

void descriviOpzioni(QCommandLineParser& riga)
{
    riga.setApplicationDescription(QStringLiteral("Impara a leggere i numeri sull'abaco in base 2.\n"
                                                  "Le stesse scelte per tutto il laboratorio: %1;\n"
                                                  "la riga di comando vale più del file.")
                                       .arg(fileDelLaboratorio()));
    riga.addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Mostra questo aiuto ed esce.")},
        {{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Mostra la versione ed esce.")},
        {aste,
         QStringLiteral("Il numero di aste, ") + valoriAste()
             + QStringLiteral(": valgono da 2^(N-1) fino a 1 (predefinito: 5)."),
         QStringLiteral("N")},
        {componi, QStringLiteral("Componi il numero dato in cifre e in lettere mettendo le perle sulle aste "
                                 "(predefinito: leggi il numero dalle perle).")},
        {leggi, QStringLiteral("Leggi il numero dalle perle, anche se il file del laboratorio dice di comporlo.")},
        {altoContrasto, QStringLiteral("Alto contrasto: verdetto, punteggi e nomi delle aste ben leggibili "
                                       "su ogni tinta.")},
        {tastierino, QStringLiteral("Tastierino sotto l'abaco (cifre, cancella, Invio), per rispondere con le dita "
                                    "su uno schermo tattile; compare anche da s\u00E9 al primo tocco.")},
        {registro,
         QStringLiteral("Annota ogni risposta giudicata in CARTELLA/contaperle-AAAA-MM-GG-UTENTE.csv "
                        "(predefinito: nessun registro)."),
         QStringLiteral("CARTELLA")},
        {riepilogo, QStringLiteral("Riassume i registri FILE per alunno e lezione: risposte esatte ed errate, "
                                   "numeri pi\u00F9 sbagliati; ed esce.")},
    });
    riga.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("I registri da riassumere, con --riepilogo."),
                               QStringLiteral("[FILE...]"));
}

// A bad command line: one line, with the usage, and the program leaves.
Avvio errore(const QString& cosa)
{
    return {{},
            2,
            QStringLiteral(
                "contaperle: %1; uso: contaperle [--aste N] [--componi | --leggi] [--alto-contrasto] [--tastierino] "
                "[--registro CARTELLA] | --riepilogo FILE..., con N %2\n")
                .arg(cosa, valoriAste())};
}

// The command line's choices over the file's, key by key.
Avvio applica(const QCommandLineParser& riga, Avvio avvio)
{
    if (riga.isSet(aste) && !imposta(avvio, aste, riga.value(aste)))
        return errore(QStringLiteral("--aste '%1' non ammesso").arg(riga.value(aste)));
    if (riga.isSet(registro) && riga.value(registro).isEmpty())
        return errore(QStringLiteral("--registro senza cartella"));
    if (riga.isSet(registro))
        avvio.registro = QDir::current().absoluteFilePath(riga.value(registro));
    if (riga.isSet(componi) && riga.isSet(leggi))
        return errore(QStringLiteral("--componi e --leggi insieme"));
    if (riga.isSet(componi) || riga.isSet(leggi))
        avvio.lezione.verso = riga.isSet(componi) ? Verso::Componi : Verso::Leggi;
    for (const auto& [nome, campo] : interruttori)
        avvio.lezione.*campo = avvio.lezione.*campo || riga.isSet(nome);
    return avvio;
}

}

Avvio leggiOpzioni(const QStringList& argomenti, const QSettings& laboratorio)
{
    QCommandLineParser riga;
    descriviOpzioni(riga);
    if (!riga.parse(argomenti)) {
        // Qt's words for a missing or unexpected value, in the desktop's
        // language, without their full stop: the usage follows.
        QString qt = riga.errorText();
        qt.chop(qt.endsWith(u'.') ? 1 : 0);
        return errore(riga.unknownOptionNames().isEmpty()
                          ? qt
                          : QStringLiteral("opzione sconosciuta '%1'").arg(riga.unknownOptionNames().constFirst()));
    }
    Avvio avvio;
    if (riga.isSet(riepilogo) && riga.positionalArguments().isEmpty())
        return errore(QStringLiteral("--riepilogo senza file"));
    if (riga.isSet(riepilogo)) {
        avvio.riepilogo = riga.positionalArguments();
        return avvio;
    }
    if (!riga.positionalArguments().isEmpty())
        return errore(QStringLiteral("argomento inatteso '%1'").arg(riga.positionalArguments().constFirst()));
    if (riga.isSet(QStringLiteral("help")))
        return {{}, 0, riga.helpText()};
    if (riga.isSet(QStringLiteral("version")))
        return {{}, 0, QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n'};

    leggiFile(laboratorio, avvio);
    return applica(riga, avvio);
}

}
