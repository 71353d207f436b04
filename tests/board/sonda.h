#pragma once

#include "board/tavola.h"
#include "platform/services.h"

#include <QApplication>
#include <QTest>

#include <deque>
#include <type_traits>

// Steers the program's seams for one test: the draws come from a list (1 once
// it is empty), the clock stands still, message boxes are recorded and
// answered at once, and the end of the program is only noted.
struct Servizi {
    struct Scatola {
        QString prompt;
        int flags;
        QString titolo;
    };

    std::deque<int> valori;
    QList<Scatola> scatole;
    int risposta = platform::ReplyYes;
    int fine = -1;

    Servizi()
    {
        auto& s = platform::services();
        s.randomize = [] {};
        s.rnd = [this] {
            const int v = valori.empty() ? 1 : valori.front();
            if (!valori.empty())
                valori.pop_front();
            return (v - 0.5) / 31;
        };
        s.now = [] { return QDateTime(QDate(2026, 12, 6), QTime(9, 5, 30)); };
        s.msgBox = [this](const QString& prompt, int flags, const QString& titolo) {
            scatole.append({prompt, flags, titolo});
            return (flags & 7) == platform::YesNo ? risposta : int(platform::ReplyOk);
        };
        s.endProgram = [this](int status) { fine = status; };
    }
    ~Servizi() { platform::services() = platform::defaultServices(); }

    // Every box so far, one a line: prompt|flags|title.
    QString elenco() const
    {
        QString righe;
        for (const auto& s : scatole)
            righe += QStringLiteral("%1|%2|%3\n").arg(s.prompt).arg(s.flags).arg(s.titolo);
        return righe;
    }
};

// A missing control fails the running test and yields a blank stand-in, so
// the test stops at its next check instead of crashing.
template <typename T = QWidget>
T* controllo(QWidget* tavola, const char* nome)
{
    if (auto* w = tavola->findChild<T*>(QString::fromLatin1(nome)))
        return w;
    QTest::qFail(qPrintable(QStringLiteral("no control named ") + nome), __FILE__, __LINE__);
    if constexpr (std::is_constructible_v<T, QWidget*>)
        return new T(tavola);
    else if constexpr (std::is_same_v<T, board::Etichetta>)
        return new T(tavola, QString(), QRect(), QString(), {});
    else
        return new T(tavola, QString(), QRect(), {});
}

inline QString caption(QWidget* t, const char* nome) { return controllo<board::Etichetta>(t, nome)->caption(); }
inline QString testo(QWidget* t, const char* nome) { return controllo<QLineEdit>(t, nome)->text(); }

// The board as painted, in client-area pixels.
inline QImage quadro(board::Tavola& tavola) { return tavola.centralWidget()->grab().toImage(); }

// The five beads by weight: control name, centre, bead colour, colour of the
// rod behind it.
struct Perla {
    int peso;
    const char* nome;
    QPoint centro;
    QColor perla, asta;
};

inline QList<Perla> perle()
{
    const QColor sfondoFinestra = QApplication::palette().color(QPalette::Base);
    return {
        {16, "Shape8_0", {72, 240}, sfondoFinestra, QColor(0x00, 0x00, 0x80)},
        {8, "Shape6_1", {216, 240}, QColor(0xFF, 0xFF, 0x00), QColor(0xFF, 0x80, 0xFF)},
        {4, "Shape5_1", {376, 240}, QColor(0x00, 0x00, 0xFF), QColor(0xFF, 0x00, 0x00)},
        {2, "Shape4_1", {528, 240}, QColor(0x00, 0xC0, 0xC0), sfondoFinestra},
        {1, "Shape3_1", {676, 240}, QColor(0xFF, 0x00, 0xFF), QColor(0x00, 0xFF, 0x00)},
    };
}

// Shows the window (running its activation) and waits until it has the focus.
inline bool mostra(board::Tavola& tavola)
{
    tavola.show();
    return QTest::qWaitForWindowActive(&tavola);
}

// Types the answer into Text3 and presses Enter.
inline void rispondi(board::Tavola& tavola, const QString& risposta)
{
    QTest::keyClicks(controllo<QLineEdit>(&tavola, "Text3"), risposta + '\r');
}
