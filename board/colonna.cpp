// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/colonna.h"

#include "platform/colour.h"

#include <QKeyEvent>
#include <QPainter>

namespace board {

Colonna::Colonna(QWidget* genitore, const QString& nome, const QRect& riquadro, const QString& didascalia)
    : QAbstractButton(genitore)
{
    setObjectName(nome);
    setGeometry(riquadro);
    setText(didascalia);
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(QStringLiteral("Spazio mette o toglie la perla, Invio d\u00E0 la risposta"));
}

void Colonna::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(platform::systemColour(platform::SystemColour::WindowText), 2, Qt::DashLine));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void Colonna::keyPressEvent(QKeyEvent* event)
{
    const int verso = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    if (verso == 0) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    const QList<Colonna*> colonne = parentWidget()->findChildren<Colonna*>(QString(), Qt::FindDirectChildrenOnly);
    const auto qui = colonne.indexOf(this);
    colonne[(qui + verso + colonne.size()) % colonne.size()]->setFocus(Qt::TabFocusReason);
}

}
