#pragma once

#include "board/tinta.h"

#include <QWidget>

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
    Etichetta(QWidget* parent, const QString& nome, const QRect& box, const QString& caption);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor foreColor() const { return risolvi(colore_); }
    void setForeColor(const Tinta& colore);
    void setCentrata(bool centrata);
    void setBordo(bool bordo);
    void setCarattere(const QFont& carattere);
    QRect box() const { return box_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void adatta();

    QRect box_;
    QString caption_;
    Tinta colore_ = platform::SystemColour::ButtonText;
    bool centrata_ = true;
    bool bordo_ = false;
};

}
