// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/tastierino.h"

#include "board/pulsante.h"
#include "board/tinta.h"
#include "platform/fonts.h"
#include "platform/guard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace board {
namespace {

// Android's 48 dp, about 9 mm on a phone; WCAG's 24 pixels would be too
// small for a child's finger.
constexpr int minimo = 48;
constexpr double millimetri = 9;
// Between two keys, and around them.
constexpr int spazio = 8;
// A monitor that reports a size outside these (some report none, or that
// of their box) says nothing of its pixels.
constexpr qreal dpiMinimo = 20, dpiMassimo = 1000;

}

int Tastierino::lato(qreal dpi)
{
    if (!(dpi >= dpiMinimo && dpi <= dpiMassimo))
        return minimo;
    return std::max(minimo, static_cast<int>(std::ceil(millimetri * dpi / 25.4)));
}

// Five keys and one twice as wide in each row, centred; on a screen too
// dense for 9 mm in the window's width, as large as the width allows.
Tastierino::Tastierino(QWidget* superficie, bool cifre) : QWidget(superficie)
{
    setObjectName(QStringLiteral("Tastierino"));
    setAccessibleName(QStringLiteral("Tastierino"));
    const int largo = superficie->width();
    const int l = std::min(lato(screen()->physicalDotsPerInch()), (largo - 8 * spazio) / 7);
    const int righe = cifre ? 2 : 1;
    setGeometry(0, superficie->height(), largo, righe * (l + spazio) + spazio);
    setFont(platform::font(QStringLiteral("Arial"), l * 0.45, platform::FontStyle::Bold));

    const int sinistra = (largo - 7 * l - 6 * spazio) / 2;
    const auto riquadro = [&](int riga, int colonna, int larghezza) {
        return QRect(sinistra + colonna * (l + spazio), spazio + riga * (l + spazio), larghezza, l);
    };
    const int doppio = 2 * l + spazio;
    for (int i = 0; cifre && i < 10; ++i) {
        const int cifra = (i + 1) % 10;
        tasto(QString::number(cifra), QString::number(cifra), riquadro(i / 5, i % 5, l), colori::verdino,
              {static_cast<Qt::Key>(Qt::Key_0 + cifra)});
    }
    if (cifre) {
        Pulsante* cancella = tasto(QStringLiteral("Cancella"), QStringLiteral("\u2190"), riquadro(0, 5, doppio),
                                   colori::lilla, {Qt::Key_End, Qt::Key_Backspace});
        // The arrow is a small glyph in its face: half as large again.
        cancella->setFont(platform::font(QStringLiteral("Arial"), l * 0.7, platform::FontStyle::Bold));
    }
    tasto(QStringLiteral("Invio"), QStringLiteral("Invio"),
          cifre ? riquadro(1, 5, doppio) : QRect((largo - doppio) / 2, spazio, doppio, l), colori::rosa,
          {Qt::Key_Return});
}

Pulsante* Tastierino::tasto(const QString& nome, const QString& didascalia, const QRect& riquadro, const QColor& faccia,
                            const QList<Qt::Key>& tasti)
{
    auto* t = new Pulsante(this, QStringLiteral("Tasto") + nome, riquadro, didascalia, faccia, {});
    t->setFocusPolicy(Qt::NoFocus);
    t->setAccessibleName(nome);
    connect(t, &QPushButton::clicked, this, [this, tasti] { platform::guarded([&] { premi(tasti); }); });
    return t;
}

// Pressed and released where a keyboard's would go: to the window's focus.
void Tastierino::premi(const QList<Qt::Key>& tasti) const
{
    for (const Qt::Key tasto : tasti)
        for (const QEvent::Type tipo : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent evento(tipo, tasto, Qt::NoModifier, tasto <= Qt::Key_9 ? QString(QChar(tasto)) : QString());
            if (QWidget* fuoco = window()->focusWidget())
                QCoreApplication::sendEvent(fuoco, &evento);
        }
}

}
