// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/tavola.h"
#include "platform/fonts.h"
#include "platform/services.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

#include <deque>

// Steers the program's seams for one test: the draws come from a list (1 once
// it is empty) and count those not reseeded first, the clock stands still,
// message boxes are recorded and answered at once, and the end of the program
// is only noted. Everything is put back at the end, whatever failed.
struct Servizi {
    std::deque<int> valori;
    QString scatole; // prompt|buttons icon default|title, one box a line
    platform::Reply risposta = platform::Reply::Yes;
    int fine = -1, senzaSeme = 0;
    bool seminato = false;

    Servizi()
    {
        auto& s = platform::services();
        s.randomize = [this] { seminato = true; };
        s.rnd = [this] {
            senzaSeme += !std::exchange(seminato, false);
            const int v = valori.empty() ? 1 : valori.front();
            valori.erase(valori.begin(), valori.begin() + !valori.empty());
            return (v - 0.5) / 31;
        };
        s.now = [] { return QDateTime(QDate(2026, 12, 6), QTime(9, 5, 30)); };
        s.msgBox = [this](const QString& p, platform::Box b, const QString& t) {
            const auto n = [](auto e) { return QVariant::fromValue(e).toString(); }; // the enumerator's name
            scatole += QStringLiteral("%1|%2 %3 %4|%5\n").arg(p, n(b.buttons), n(b.icon), n(b.defaultReply), t);
            return b.buttons == platform::Buttons::YesNo ? risposta : platform::Reply::Ok;
        };
        s.endProgram = [this](int status) { fine = status; };
    }
    ~Servizi() { platform::services() = platform::defaultServices(), platform::resumeHandlers(); }
};

inline const QString overflow = QStringLiteral("Errore di run-time '6':\n\nOverflow|Ok Critical Ok|Contaperle\n");
inline const QString nuova = QStringLiteral("INIZIAMO UNA NUOVA GARA  ?|YesNo Question No|INIZIARE NUOVA GARA\n");

// A missing control ends the test program at once, naming it.
template <typename T = QWidget>
T* controllo(QWidget* tavola, const char* nome)
{
    auto* w = tavola->findChild<T*>(QString::fromLatin1(nome));
    if (!w)
        qFatal("no control named %s", nome);
    return w;
}

inline QString caption(QWidget* t, const char* nome) { return controllo<board::Etichetta>(t, nome)->caption(); }
inline QString testo(QWidget* t, const char* nome) { return controllo<QLineEdit>(t, nome)->text(); }

// The five beads by weight: control name, centre, bead colour, colour of the
// rod behind it.
struct Perla {
    int peso;
    const char* nome;
    QPoint centro;
    board::Tinta perla, asta;
};

inline const Perla perle[] = {{16, "Shape8_0", {72, 240}, platform::SystemColour::WindowBackground, QColor(0x000080)},
                              {8, "Shape6_1", {216, 240}, QColor(0xFFFF00), QColor(0xFF80FF)},
                              {4, "Shape5_1", {376, 240}, QColor(0x0000FF), QColor(0xFF0000)},
                              {2, "Shape4_1", {528, 240}, QColor(0x00C0C0), platform::SystemColour::WindowBackground},
                              {1, "Shape3_1", {676, 240}, QColor(0xFF00FF), QColor(0x00FF00)}};

// Where "clicX" or "toccoX" lands: the keypad's key X, else the rod of X at
// its bead, else the menu bar's action X, else the control X, at its centre.
inline std::pair<QWidget*, QPoint> bersaglio(QWidget* finestra, const QString& x)
{
    if (auto* tasto = finestra->findChild<QWidget*>("Tasto" + x))
        return {tasto, tasto->rect().center()};
    if (auto* asta = finestra->findChild<QWidget*>("Colonna" + x))
        return {asta, {asta->width() / 2, asta->height() - 20}};
    if (auto* azione = finestra->findChild<QAction*>(x))
        return {finestra->findChild<QMenuBar*>(), finestra->findChild<QMenuBar*>()->actionGeometry(azione).center()};
    return {controllo(finestra, qPrintable(x)), controllo(finestra, qPrintable(x))->rect().center()};
}

// Keys in Qt's own notation, one a word ("1 3 Return", "Ctrl+N"), each
// pressed and released where the pupil's would go: to the focus; "clic16"
// clicks the rod of 16, "toccoInvio" taps the keypad's Invio on a touch
// screen (see bersaglio).
inline void digita(const QString& tasti)
{
    static QPointingDevice* const schermo = QTest::createTouchDevice();
    for (const QString& nome : tasti.split(' ', Qt::SkipEmptyParts)) {
        const bool clic = nome.startsWith("clic");
        if (clic || nome.startsWith("tocco")) {
            const auto [w, punto] = bersaglio(QApplication::activeWindow(), nome.sliced(clic ? 4 : 5));
            if (clic)
                QTest::mouseClick(w, Qt::LeftButton, {}, punto);
            else if (QTest::touchEvent(w, schermo).press(0, punto, w).commit())
                QTest::touchEvent(w, schermo).release(0, punto, w);
            continue;
        }
        const QKeyCombination tasto = QKeySequence::fromString(nome)[0];
        QTest::keyClick(QApplication::focusWidget(), tasto.key(), tasto.keyboardModifiers());
    }
}

// A key as the X server sends it, with its time stamp: to the shortcut map
// first, then to the focus.
inline void tastoX(bool giu, QKeyCombination tasto, bool ripetuto, quint64 istante)
{
    QWidget* fuoco = QApplication::focusWidget();
    const auto [k, modi] = std::pair(tasto.key(), tasto.keyboardModifiers());
    const QString testo = k < 0x80              ? QString(QChar(k)).toLower()
                          : k == Qt::Key_Return ? QStringLiteral("\r")
                                                : QString();
    if (giu && qt_sendShortcutOverrideEvent(fuoco, istante, k, modi, testo, ripetuto))
        return;
    QKeyEvent evento(giu ? QEvent::KeyPress : QEvent::KeyRelease, k, modi, testo, ripetuto);
    evento.setTimestamp(istante);
    QSpontaneKeyEvent::setSpontaneous(&evento);
    QApplication::instance()->notify(fuoco, &evento);
}

// A key held down somewhere: its row's name, where the focus is, the key,
// whether X11 tells its repeats by time stamps alone, and the exercises it
// draws (the rest judge one answer).
struct Tenuto {
    const char *nome, *dove;
    QKeyCombination tasto;
    int esercizi;
    bool x11 = false;
};

// One control as the window is built with it: its box, font (none for
// shapes and the picture box), text colour and background or face, text at
// creation and tooltip; whether it is shown and enabled then, and whether a
// caption too wide for its box grows to both sides (centred) or to the right.
struct Aspetto {
    const char* nome;
    QRect box;
    const char* faccia = nullptr;
    double punti = 0;
    platform::FontStyle stile = platform::FontStyle::Regular;
    board::Tinta colore = QColor(), sfondo = QColor();
    const char *testo = "", *suggerimento = "";
    bool visibile = true, attivo = true, centrata = true;
};

// The window as the pupil finds it after a drill row.
struct Stato {
    QString valore;                     // Text1
    int perle;                          // the weights of the beads shown
    QString risposta, verdetto, colore; // Text3, the verdict and its colour
    QString punteggi, conti;            // the three counts as shown; numEsatte, numErrate, numEsercizi
    QString fuoco, sfondo;
    bool operator==(const Stato&) const = default;
};

inline char* toString(const Stato& s)
{
    return QTest::toString(QStringList{s.valore, QString::number(s.perle), s.risposta, s.verdetto, s.colore, s.punteggi,
                                       s.conti, s.fuoco, s.sfondo}
                               .join(QStringLiteral(" | ")));
}

inline Stato stato(board::Tavola& t)
{
    auto* messaggio = controllo<board::Etichetta>(&t, "lblMessage");
    int viste = 0;
    for (const auto& perla : perle)
        viste += controllo(&t, perla.nome)->isVisible() ? perla.peso : 0;
    const auto [esatte, errate, esercizi] = t.conti();
    const QString punteggi = caption(&t, "lblScore") + ' ' + caption(&t, "lblScore1") + ' ' + caption(&t, "lblScore2");
    return {testo(&t, "Text1"),
            viste,
            testo(&t, "Text3"),
            messaggio->caption(),
            messaggio->foreColor().name(),
            punteggi,
            QStringLiteral("%1 %2 %3").arg(esatte).arg(errate).arg(esercizi),
            t.focusWidget() ? t.focusWidget()->objectName() : QString(),
            platform::toQColor(t.BackColor()).name()};
}

// A drill row: the scores set first, the keys, the window afterwards, the
// boxes shown, the next value drawn and the reply to NUOVO.
struct Riga {
    board::Tavola::Conti conti;
    QString tasti, scatola;
    Stato atteso;
    int prossimo;
    platform::Reply risposta;
    board::Verso verso = board::Verso::Leggi;
};

inline void righeDrill()
{
    QTest::addColumn<Riga>("r");
    const auto riga = [](const char* nome, board::Tavola::Conti conti, const char* tasti, const Stato& atteso,
                         const QString& scatola = {}, int dopo = 18, platform::Reply risposta = platform::Reply::Yes) {
        QTest::newRow(nome) << Riga{conti, tasti, scatola, atteso, dopo, risposta};
    };
    const QString sbagliato = QStringLiteral("Sbagliato!! 13"), r = QStringLiteral("#ff0000");
    const Stato sbagliata{"13", 13, "4", sbagliato, r, "0 1 1", "0 1 0", "cmdNext", "#147d19"};
    // clang-format off
    riga("13 is right", {}, "1 3 Return", {"13", 13, "13", "Esatto, ok!!!", "#ffff00", "0 0 0", "1 0 0", "cmdNext", "#147d19"});
    riga("right, scored with the next", {}, "1 3 Return Return", {"18", 18, "", "", "#0000ff", "1 0 1", "1 0 1", "Text3", "#147e19"});
    riga("a lone Alt steals nothing; empty is wrong", {}, "Alt Return", {"13", 13, "", sbagliato, r, "0 1 1", "0 1 0", "cmdNext", "#147d19"});
    riga("leading space is wrong", {}, "Space 1 3 Return", {"13", 13, " 13", sbagliato, r, "0 1 1", "0 1 0", "cmdNext", "#147d19"});
    riga("trailing space is wrong", {}, "1 3 Space Return", {"13", 13, "13 ", sbagliato, r, "0 1 1", "0 1 0", "cmdNext", "#147d19"});
    riga("plus sign is wrong", {}, "+ 1 3 Return", {"13", 13, "+13", sbagliato, r, "0 1 1", "0 1 0", "cmdNext", "#147d19"});
    riga("leading zero, wrong to the next", {}, "0 1 3 Return Num+Enter", {"18", 18, "", "", r, "0 1 1", "0 1 1", "Text3", "#157d4b"});
    riga("other keys judge nothing", {}, "1 5 Backspace Esc", {"13", 13, "1", "", r, "0 0 0", "0 0 0", "Text3", "#147d19"});
    riga("Enter again counts again", {}, "7 Return Tab Tab Num+Enter", {"13", 13, "7", sbagliato, r, "0 2 2", "0 2 0", "cmdNext", "#147d19"});
    riga("no Enter, nothing counted", {3, 2}, "1 3 Tab Space", {"18", 18, "", "", "#0000ff", "3 2 5", "3 2 1", "Text3", "#16807d"});
    riga("right at 32767 overflows", {32767}, "1 3 Return", {"13", 13, "13", "", r, "0 0 0", "32767 0 0", "cmdNext", "#147d19"}, overflow);
    riga("wrong at 32767 overflows", {0, 32767}, "1 Return", {"13", 13, "1", "", r, "0 0 0", "0 32767 0", "cmdNext", "#147d19"}, overflow);
    riga("total 32768 overflows, not shown", {767, 32000}, "1 Return", {"13", 13, "1", sbagliato, r, "767 32001 0", "767 32001 0", "cmdNext", "#147d19"}, overflow);
    riga("exercise 32768 overflows, all beads", {0, 0, 32767}, "Tab Return", {"13", 31, "", "", r, "0 0 0", "0 0 32767", "cmdNext", "#147d19"}, overflow);
    riga("1; no answers", {}, "Tab Return", {"1", 1, "", "", r, "0 0 0", "0 0 1", "Text3", "#147d19"}, {}, 1);
    riga("10; 4 wrong", {0, 4}, "Tab Return", {"10", 10, "", "", r, "0 4 4", "0 4 1", "Text3", "#187de1"}, {}, 10);
    riga("16; 5 wrong, blue full", {0, 5}, "Tab Return", {"16", 16, "", "", r, "0 5 5", "0 5 1", "Text3", "#197dff"}, {}, 16);
    riga("31; 655 wrong", {0, 655}, "Tab Return", {"31", 31, "", "", r, "0 655 655", "0 655 1", "Text3", "#ff7dff"}, {}, 31);
    riga("7; 32643 right, green full", {32643}, "Tab Return", {"7", 7, "", "", r, "32643 0 32643", "32643 0 1", "Text3", "#14ff19"}, {}, 7);
    riga("NUOVO, No: the contest goes on", {}, "4 Return Ctrl+N", sbagliata, nuova, 18, platform::Reply::No);
    riga("NUOVO, OK: the contest goes on", {}, "4 Return Ctrl+N", sbagliata, nuova, 18, platform::Reply::Ok);
    riga("NUOVO, Yes: a fresh window", {}, "4 Return Ctrl+N", {"18", 18, "", "", r, "0 0 0", "0 0 0", "Text3", "#147d19"}, nuova);
    // By finger: the first touch brings the keypad; each tap acts once.
    riga("tapped on the keypad, judged", {}, "toccoText3 tocco1 tocco5 toccoCancella tocco3 toccoInvio", {"13", 13, "13", "Esatto, ok!!!", "#ffff00", "0 0 0", "1 0 0", "cmdNext", "#147d19"});
    riga("Invio on the verdict, a tap on Nuovo calcolo", {}, "toccoText3 tocco4 toccoInvio toccoInvio toccocmdNext", {"1", 1, "", "", r, "0 1 1", "0 1 2", "Text3", "#157d4b"});
    riga("a tap on NUOVO asks once", {}, "4 Return toccoNext", sbagliata, nuova, 18, platform::Reply::No);
    // Composing 13, then 18: keys, clicks and taps put beads on and take them off; Enter judges;
    // after a wrong answer the right beads show, and the rods take no more toggles.
    const auto componi = [](const char* nome, const char* tasti, const Stato& atteso) {
        QTest::newRow(nome) << Riga{{}, tasti, {}, atteso, 18, platform::Reply::Yes, board::Verso::Componi};
    };
    const Stato giusta{"13", 13, "", "Esatto, ok!!!", "#ffff00", "0 0 0", "1 0 0", "cmdNext", "#147d19"};
    componi("composing: Space puts on, arrows move", "Right Space Right Space Right Right Space Return", giusta);
    componi("composing: Space again takes off", "Space Space Right Space Right Space Right Right Space Return", giusta);
    componi("composing by pointer", "clic8 clic4 clic1 Return", giusta);
    componi("composing by touch, a tap acts once", "tocco8 tocco4 tocco1 Return", giusta);
    componi("composing: arrows wrap round", "Left Space Left Left Space Left Space Return", giusta);
    componi("composing: judged, the rods hold", "Space Return clic16", {"13", 13, "", sbagliato, r, "0 1 1", "0 1 0", "cmdNext", "#147d19"});
    componi("composing: Enter again, the next bare", "Return Return", {"18", 0, "", "", "#0000ff", "0 1 1", "0 1 1", "Colonna16", "#157d4b"});
    // clang-format on
}

// The controls front to back, as the window stacks them.
using S = platform::SystemColour;
constexpr auto R = platform::FontStyle::Regular, B = platform::FontStyle::Bold;
// clang-format off
inline const Aspetto aspetti[] = {
    {"Text3", {192, 488, 337, 61}, "Arial", 48, R, QColor(0x00C0C0u), QColor(0xC0FFC0u), "Text3", "Scrivi il numero e poi premi  il tasto Return (Invio)"},
    {"Text2", {192, 472, 313, 75}, "Arial", 48, B, QColor(0x00FF00u), S::WindowBackground, "Testo", "", false},
    {"Text1", {24, 16, 129, 27}, "MS Sans Serif", 12, B, S::WindowText, QColor(0xFF80FFu), "0", "", false},
    {"cmdNext", {32, 488, 121, 57}, "MS Sans Serif", 8.25, B, {}, QColor(0xFF80FFu), "&Nuovo calcolo", "Usa il tasto Return(invio) per l'esercizio successivo", true, false},
    {"cmdExit", {568, 488, 121, 57}, "MS Sans Serif", 8.25, B, {}, QColor(0x00C0C0u), "E&xit", "Ti prego resta ancora, forse riuscirai a farmi uscire "},
    {"Picture1", {240, -24, 65, 73}, nullptr, 0, R, {}, {}, "", "", false},
    {"Label8", {32, 16, 89, 25}, "MS Sans Serif", 13.5, R, S::ButtonText, {}, "Sedicine"},
    {"Label7", {176, 16, 81, 25}, "MS Sans Serif", 13.5, R, S::ButtonText, {}, "Ottine"},
    {"Label5", {320, 16, 81, 25}, "MS Sans Serif", 13.5, R, S::ButtonText, {}, "Quartine"},
    {"Label4", {480, 16, 49, 25}, "MS Sans Serif", 13.5, R, S::ButtonText, {}, "Duine", "", true, true, false},
    {"Label2", {624, 16, 57, 25}, "MS Sans Serif", 13.5, R, S::ButtonText, {}, "Unit\u00E0"},
    {"Shape9", {8, 56, 737, 65}},
    {"Shape8_0", {8, 144, 129, 193}},
    {"Shape7", {56, 120, 25, 185}},
    {"Shape3_1", {600, 176, 153, 129}},
    {"Shape2_0", {664, 120, 25, 185}},
    {"Shape6_1", {152, 176, 129, 129}},
    {"Lblesatto", {193, 104, 39, 13}, "MS Sans Serif", 8.25, R, QColor(0x808080u), {}, "", "", false, true, false},
    {"Shape4_1", {464, 168, 129, 145}},
    {"Shape5_1", {312, 88, 129, 305}},
    {"lblMessage", {368, 344, 87, 37}, "MS Sans Serif", 24, platform::FontStyle::BoldItalic, QColor(0xFF0000u), {}, "io"},
    {"Shape1", {16, 304, 729, 81}},
    {"Label1", {280, 392, 168, 33}, "MS Sans Serif", 18, R, QColor(0xFF0000u), {}, "Risposte errate", "", true, true, false},
    {"Label3", {544, 392, 156, 33}, "MS Sans Serif", 18, R, QColor(0x0000FFu), {}, "Risposte totali", "", true, true, false},
    {"lblScore2", {608, 424, 37, 59}, "Times New Roman", 36, B, QColor(0x0000FFu), {}, "0"},
    {"lblScore1", {352, 424, 36, 53}, "Times New Roman", 36, B, QColor(0xFF0000u), {}, "0"},
    {"lblScore", {80, 424, 37, 53}, "Times New Roman", 36, B, S::ButtonText, {}, "0", "Questo \u00E8 il tuo punteggio. Forza con il  record"},
    {"Label6", {16, 392, 171, 33}, "MS Sans Serif", 18, R, QColor(0x00C000u), {}, "Risposte esatte"},
    {"Shape2_1", {512, 120, 25, 185}},
    {"Shape2_2", {360, 120, 25, 185}},
    {"Shape2_3", {208, 120, 24, 185}},
};
// clang-format on
