#pragma once

#include "board/etichetta.h"
#include "board/forma.h"
#include "board/tavola.h"
#include "platform/services.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <deque>

// Steers the program's seams for one test: the draws come from a list, the
// clock stands still, message boxes are recorded and answered at once, and
// the end of the program is only noted.
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

    QStringList prompts() const
    {
        QStringList result;
        for (const auto& s : scatole)
            result << s.prompt;
        return result;
    }
};

template <typename T = QWidget>
T* controllo(QWidget* tavola, const char* nome)
{
    auto* w = tavola->findChild<T*>(QString::fromLatin1(nome));
    if (!w)
        qFatal("no control %s", nome);
    return w;
}

inline QString caption(QWidget* tavola, const char* nome)
{
    return controllo<board::Etichetta>(tavola, nome)->caption();
}

inline QString testo(QWidget* tavola, const char* nome)
{
    return controllo<QLineEdit>(tavola, nome)->text();
}

// The board as painted, in client-area pixels.
inline QImage quadro(board::Tavola& tavola)
{
    return tavola.centralWidget()->grab().toImage();
}

// The five beads by weight: control name, centre, bead colour, colour of the
// rod behind it.
struct Perla {
    int peso;
    const char* nome;
    QPoint centro;
    QColor perla;
    QColor asta;
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

inline void rispondi(board::Tavola& tavola, const QString& risposta)
{
    auto* text3 = controllo<QLineEdit>(&tavola, "Text3");
    QTest::keyClicks(text3, risposta);
    QTest::keyClick(text3, Qt::Key_Return);
}
