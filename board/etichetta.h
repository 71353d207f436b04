// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/tinta.h"

#include <QWidget>

#include <optional>

namespace board {

// A label: text on a transparent background, in its own font, colour and
// alignment, with an optional single-line frame. A caption wider or taller
// than its box grows the label around the box (centred labels to both sides,
// left-aligned ones to the right), so a verdict or a five-digit count is
// always read in full. Screen readers find it as a static text named by its
// caption (see board/accesso.h) and are told when the caption changes.
class Etichetta : public QWidget {
    Q_OBJECT
public:
    struct Aspetto {
        std::optional<QFont> carattere = std::nullopt; // none: the window's font
        Tinta colore = platform::SystemColour::ButtonText;
        bool centrata = true; // or aligned left
        bool bordo = false;   // a single-line frame
        // What lies behind the text, if not the window's background.
        std::optional<QColor> sfondo = std::nullopt;
        // A face of its own, painted under the text.
        std::optional<QColor> faccia = std::nullopt;
    };

    // High contrast, for pupils who see little: every label is drawn at least
    // 4.5 times lighter or darker than what lies behind it (see
    // platform::legible), whatever its colour and the window's tint.
    static inline bool altoContrasto = false;

    Etichetta(QWidget* genitore, const QString& nome, const QRect& riquadro, const QString& didascalia,
              const Aspetto& aspetto);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor foreColor() const { return risolvi(colore_); }
    void setForeColor(const Tinta& colore);
    QRect box() const { return box_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void adatta();

    QRect box_;
    QString caption_;
    Tinta colore_;
    bool centrata_;
    bool bordo_;
    std::optional<QColor> sfondo_;
    std::optional<QColor> faccia_;
};

}
