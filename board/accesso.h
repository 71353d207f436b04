// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

namespace board {

class Etichetta;

// What a screen reader finds on the window's surface: the controls listed
// here, in reading order, and nothing else. The hidden boxes, which hold the
// answer, and the shapes one by one stay silent; one widget stands for the
// whole abacus and is named after the rods whose bead shows ("Perle su:
// Sedicine, Duine"), never after the value. Labels read as static texts named
// by their captions. Made once per window, as a child of its surface.
class Lettura : public QObject {
    Q_OBJECT
public:
    struct Asta {
        Etichetta* didascalia;
        QWidget* perla;
    };

    // area is the abacus's box in the surface's coordinates.
    Lettura(QWidget* superficie, const QList<QWidget*>& ordine, QWidget* abaco, const QRect& area,
            const QList<Asta>& aste);

    // Makes every window's Lettura known to screen readers; once per program.
    static void installa();
    // The Lettura of a surface, if it has one.
    static const Lettura* di(const QWidget* superficie);

    const QList<QWidget*>& ordine() const { return ordine_; }
    // A control that comes later, read after the others.
    void aggiungi(QWidget* controllo) { ordine_ << controllo; }
    QWidget* abaco() const { return abaco_; }
    QRect area() const { return area_; }
    QString perle() const;

private:
    QList<QWidget*> ordine_;
    QWidget* abaco_;
    QRect area_;
    QList<Asta> aste_;
};

}
