// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/etichetta.h"

#include "platform/colour.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace board {
namespace {

// Room between a frame and the text it surrounds.
constexpr int spazioBordo = 2;

}

Etichetta::Etichetta(QWidget* genitore, const QString& nome, const QRect& riquadro, const QString& didascalia,
                     const Aspetto& aspetto)
    : QWidget(genitore), box_(riquadro), caption_(didascalia), colore_(aspetto.colore), centrata_(aspetto.centrata),
      bordo_(aspetto.bordo), sfondo_(aspetto.sfondo), faccia_(aspetto.faccia)
{
    setObjectName(nome);
    if (aspetto.carattere)
        setFont(*aspetto.carattere);
    adatta();
}

void Etichetta::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    adatta();
    update();
    // Screen readers hear a new verdict or count as it is written.
    if (QAccessible::isActive()) {
        QAccessibleEvent evento(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&evento);
    }
}

void Etichetta::setForeColor(const Tinta& colore)
{
    if (colore == colore_)
        return;
    colore_ = colore;
    update();
}

void Etichetta::adatta()
{
    const QFontMetrics metrica(font());
    const int margine = bordo_ ? spazioBordo : 0;
    const int larghezza = std::max(box_.width(), metrica.horizontalAdvance(caption_) + 2 * margine);
    const int altezza = std::max(box_.height(), metrica.height() + 2 * margine);
    QRect area(box_.topLeft(), QSize(larghezza, altezza));
    if (centrata_)
        area.moveLeft(box_.left() - (larghezza - box_.width()) / 2);
    setGeometry(area);
}

void Etichetta::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    if (faccia_)
        painter.fillRect(area, *faccia_);
    if (bordo_) {
        painter.setPen(QPen(platform::systemColour(platform::SystemColour::WindowText), 1));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
    painter.setFont(font());
    const QColor dietro = faccia_.value_or(sfondo_.value_or(parentWidget()->palette().color(QPalette::Window)));
    painter.setPen(altoContrasto ? platform::legible(foreColor(), dietro) : foreColor());
    const int margine = bordo_ ? spazioBordo : 0;
    const Qt::Alignment allineamento = (centrata_ ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    const int modo = static_cast<int>(allineamento.toInt()) | Qt::TextSingleLine;
    painter.drawText(area.adjusted(margine, margine, -margine, -margine), modo, caption_);
}

}
