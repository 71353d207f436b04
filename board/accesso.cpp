// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/accesso.h"

#include "board/etichetta.h"

#include <QAccessibleWidget>
#include <QStringList>
#include <QWidget>

namespace board {
namespace {

// The surface: its listed controls are its only children.
class Superficie : public QAccessibleWidget {
public:
    explicit Superficie(QWidget* superficie) : QAccessibleWidget(superficie) {}

    int childCount() const override { return static_cast<int>(ordine().size()); }
    QAccessibleInterface* child(int indice) const override
    {
        return QAccessible::queryAccessibleInterface(ordine().value(indice));
    }
    int indexOfChild(const QAccessibleInterface* figlio) const override
    {
        return figlio ? static_cast<int>(ordine().indexOf(qobject_cast<QWidget*>(figlio->object()))) : -1;
    }

private:
    // Looked up at every call: the list goes before the surface when the
    // window is torn down.
    QList<QWidget*> ordine() const
    {
        const Lettura* lettura = Lettura::di(widget());
        return lettura ? lettura->ordine() : QList<QWidget*>();
    }
};

class Abaco : public QAccessibleWidget {
public:
    explicit Abaco(QWidget* abaco) : QAccessibleWidget(abaco, QAccessible::Graphic) {}

    QString text(QAccessible::Text tipo) const override
    {
        const Lettura* lettura = Lettura::di(widget()->parentWidget());
        return tipo == QAccessible::Name && lettura ? lettura->perle() : QString();
    }
    QRect rect() const override
    {
        const Lettura* lettura = Lettura::di(widget()->parentWidget());
        if (!lettura)
            return QAccessibleWidget::rect();
        return QRect(widget()->parentWidget()->mapToGlobal(lettura->area().topLeft()), lettura->area().size());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
};

class Didascalia : public QAccessibleWidget {
public:
    explicit Didascalia(Etichetta* etichetta) : QAccessibleWidget(etichetta, QAccessible::StaticText) {}

    QString text(QAccessible::Text tipo) const override
    {
        if (tipo == QAccessible::Name)
            return static_cast<const Etichetta*>(widget())->caption();
        return QAccessibleWidget::text(tipo);
    }
};

// No name, no text, no children, never shown: Text1 reads the answer.
class Muto : public QAccessibleWidget {
public:
    explicit Muto(QWidget* controllo) : QAccessibleWidget(controllo, QAccessible::NoRole) {}

    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override
    {
        QAccessible::State stato;
        stato.invisible = true;
        return stato;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
};

QAccessibleInterface* fabbrica(const QString& classe, QObject* oggetto)
{
    // Qt asks once for every class up the object's hierarchy; answer for the
    // object's own class, so the toolkit's interfaces serve everything else.
    if (!oggetto->isWidgetType() || classe != QLatin1String(oggetto->metaObject()->className()))
        return nullptr;
    auto* controllo = static_cast<QWidget*>(oggetto);
    if (Lettura::di(controllo))
        return new Superficie(controllo);
    if (const Lettura* lettura = Lettura::di(controllo->parentWidget())) {
        if (controllo == lettura->abaco())
            return new Abaco(controllo);
        if (!lettura->ordine().contains(controllo))
            return new Muto(controllo);
    }
    if (auto* etichetta = qobject_cast<Etichetta*>(controllo))
        return new Didascalia(etichetta);
    return nullptr;
}

}

Lettura::Lettura(QWidget* superficie, const QList<QWidget*>& ordine, QWidget* abaco, const QRect& area,
                 const QList<Asta>& aste)
    : QObject(superficie), ordine_(ordine), abaco_(abaco), area_(area), aste_(aste)
{
}

void Lettura::installa() { QAccessible::installFactory(fabbrica); }

const Lettura* Lettura::di(const QWidget* superficie)
{
    return superficie ? superficie->findChild<Lettura*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QString Lettura::perle() const
{
    QStringList aste;
    for (const Asta& asta : aste_)
        if (!asta.perla->isHidden())
            aste << asta.didascalia->caption();
    // Only a pupil composing a number leaves the rods bare.
    if (aste.isEmpty())
        return QStringLiteral("Nessuna perla");
    return QStringLiteral("Perle su: ") + aste.join(QStringLiteral(", "));
}

}
