// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/pulsante.h"

#include "platform/colour.h"
#include "platform/pictures.h"

#include <QPainter>

namespace board {
namespace {

constexpr int latoImmagine = 32;
constexpr int margine = 4;

}

Pulsante::Pulsante(QWidget* genitore, const QString& nome, const QRect& riquadro, const QString& didascalia,
                   const QColor& faccia, const Immagini& immagini)
    : QPushButton(didascalia, genitore), faccia_(faccia), immagini_(immagini)
{
    setObjectName(nome);
    setGeometry(riquadro);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
}

QString Pulsante::immagineAttuale() const
{
    if (!isEnabled())
        return immagini_.disabilitato;
    return isDown() ? immagini_.premuto : immagini_.normale;
}

// Black or white, whichever contrasts more with the face (the crossing point
// of the two contrast ratios lies at a relative luminance of about 0.18).
QColor Pulsante::inchiostro() const
{
    return platform::luminance(faccia_) > 0.179 ? QColor(Qt::black) : QColor(Qt::white);
}

void Pulsante::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, faccia_);

    const QColor chiaro = faccia_.lighter(160);
    const QColor scuro = faccia_.darker(220);
    const bool giu = isDown();
    painter.setPen(giu ? scuro : chiaro);
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(giu ? chiaro : scuro);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());

    // Without pictures (the keypad's keys) the caption takes the whole face.
    const int spinta = giu ? 1 : 0;
    QRect righe = area.translated(spinta, spinta);
    if (!immagini_.normale.isEmpty()) {
        const QRect riquadro((width() - latoImmagine) / 2 + spinta, margine + spinta, latoImmagine, latoImmagine);
        painter.drawPixmap(riquadro, platform::picture(immagineAttuale(), riquadro.size(), devicePixelRatioF()));
        righe = QRect(spinta, riquadro.bottom() + 1 + spinta, width(), height() - riquadro.bottom() - 1 - margine);
    }
    painter.setFont(font());
    const QColor colore = inchiostro();
    painter.setPen(isEnabled() ? colore : faccia_.darker(160));
    painter.drawText(righe, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextShowMnemonic, text());

    // A dotted frame of our own: the style's focus frame may draw nothing
    // on a face of custom colour, and keyboard users must see the focus.
    if (hasFocus()) {
        painter.setPen(QPen(colore, 1, Qt::DotLine));
        painter.drawRect(area.adjusted(margine - 1, margine - 1, -margine, -margine));
    }
}

}
