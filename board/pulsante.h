// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPushButton>
#include <QString>

namespace board {

// A graphical button: a face of its own colour with a 32-pixel picture above
// the caption, one picture for each of the normal, disabled and pressed
// states (or none, and the caption alone). The caption is drawn in black or white, whichever stands out on
// the face, whatever the desktop's theme. Its keys: see board::Tastiera.
class Pulsante : public QPushButton {
    Q_OBJECT
public:
    struct Immagini {
        QString normale;
        QString disabilitato;
        QString premuto;
    };

    Pulsante(QWidget* genitore, const QString& nome, const QRect& riquadro, const QString& didascalia,
             const QColor& faccia, const Immagini& immagini);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString immagineAttuale() const;
    QColor inchiostro() const;

    QColor faccia_;
    Immagini immagini_;
};

}
