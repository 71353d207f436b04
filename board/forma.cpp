// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/forma.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace board {
namespace {

constexpr qreal passoTratteggio = 8;

int margine(int spessore) { return (spessore + 1) / 2; }

}

Forma::Forma(QWidget* genitore, const QString& nome, const QRect& riquadro, const Aspetto& aspetto)
    : QWidget(genitore), box_(riquadro), aspetto_(aspetto)
{
    setObjectName(nome);
    // A shape has no pointer of its own: the mouse goes through its box to
    // whatever lies beneath, such as the verdict under the bead of 4.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int m = margine(aspetto_.spessore);
    setGeometry(box_.adjusted(-m, -m, m, m));
}

QRectF Forma::figura() const
{
    const int m = margine(aspetto_.spessore);
    const QRectF area(m, m, box_.width(), box_.height());
    if (aspetto_.tipo == Tipo::Rettangolo)
        return area;
    const qreal diametro = std::min(area.width(), area.height());
    QRectF cerchio(0, 0, diametro, diametro);
    cerchio.moveCenter(area.center());
    return cerchio;
}

void Forma::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, aspetto_.tipo == Tipo::Cerchio);
    const QRectF area = figura();
    QPainterPath interno;
    if (aspetto_.tipo == Tipo::Cerchio)
        interno.addEllipse(area);
    else
        interno.addRect(area);

    if (aspetto_.sfondo)
        painter.fillPath(interno, risolvi(*aspetto_.sfondo));
    if (aspetto_.riempimento == Riempimento::Pieno) {
        painter.fillPath(interno, aspetto_.colore);
    } else if (aspetto_.riempimento != Riempimento::Nessuno) {
        painter.save();
        // A rectangle clips as a rectangle: cheap lines instead of lines
        // filled through a mask.
        if (aspetto_.tipo == Tipo::Rettangolo)
            painter.setClipRect(area);
        else
            painter.setClipPath(interno);
        tratteggia(painter, area);
        painter.restore();
    }
    QPen bordo(risolvi(aspetto_.bordo), aspetto_.spessore);
    bordo.setJoinStyle(Qt::MiterJoin);
    painter.setPen(bordo);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(interno);
}

void Forma::tratteggia(QPainter& painter, const QRectF& area) const
{
    painter.setPen(QPen(aspetto_.colore, 1));
    const int linee = static_cast<int>((area.width() + area.height()) / passoTratteggio);
    for (int linea = 0; linea <= linee; ++linea) {
        const qreal d = linea * passoTratteggio;
        if (aspetto_.riempimento == Riempimento::DiagonaleGiu) {
            // From upper left to lower right, one every few pixels.
            painter.drawLine(QPointF(area.left() + d - area.height(), area.top()),
                             QPointF(area.left() + d, area.bottom()));
        } else {
            painter.drawLine(QPointF(area.left() + d, area.top()), QPointF(area.left() + d, area.bottom()));
            painter.drawLine(QPointF(area.left(), area.top() + d), QPointF(area.right(), area.top() + d));
        }
    }
}

}
