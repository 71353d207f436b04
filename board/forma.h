// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/tinta.h"

#include <QWidget>

#include <optional>

class QPainter;

namespace board {

// A shape of the abacus: a rectangle or the largest circle that fits its box,
// painted in three layers (background, fill, border). The mouse passes
// through it.
class Forma : public QWidget {
    Q_OBJECT
public:
    enum class Tipo { Rettangolo, Cerchio };
    enum class Riempimento { Nessuno, Pieno, DiagonaleGiu, Incrociato };

    struct Aspetto {
        Tipo tipo = Tipo::Rettangolo;
        Tinta bordo = colori::nero;
        int spessore = 1;
        std::optional<Tinta> sfondo = std::nullopt; // none: transparent
        Riempimento riempimento = Riempimento::Nessuno;
        // Of the fill; initialised, or gcc finds designated initialisers incomplete.
        QColor colore = {}; // NOLINT(readability-redundant-member-init)
    };

    // The box is in the parent's coordinates; the widget extends past it by
    // half the border width, since the border is centred on the edge.
    Forma(QWidget* genitore, const QString& nome, const QRect& riquadro, const Aspetto& aspetto);

    QRect box() const { return box_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF figura() const;
    void tratteggia(QPainter& painter, const QRectF& area) const;

    QRect box_;
    Aspetto aspetto_;
};

}
