// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/abaco.h"

#include "board/esercizio.h"
#include "board/etichetta.h"
#include "platform/fonts.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace board {
namespace {

// A column as wide as in the five-rod board, and the widths the window
// keeps: never narrower than its lower controls need, never wider than a
// 1024-pixel screen.
constexpr int colonnaUsuale = 152;
constexpr int larghezzaUsuale = 754;
constexpr int larghezzaMassima = 1024;
// Eight columns, less the room the last bead does not take, fit the
// widest window.
constexpr int rientro = 6;
// The beads rest on the base bar, whatever their size.
constexpr int piede = 305;
// Between two captions, at the least.
constexpr int spazio = 8;

using Riempimento = Forma::Riempimento;
using namespace colori;

}

Abaco::Abaco(int quante)
{
    const Esercizio controllo(quante); // error 9 outside 3..8
    for (std::size_t i = aste.size() - static_cast<std::size_t>(quante); i < aste.size(); ++i)
        righe_.push_back(&aste[i]);
    passo_ = std::min(colonnaUsuale, (larghezzaMassima + rientro) / quante);
    // As far as the last bead reaches, with its border.
    const QRect ultima = perla(quante - 1);
    abaco_ = ultima.right() + 2;
    larghezza_ = std::max(larghezzaUsuale, abaco_);
    sinistra_ = (larghezza_ - abaco_) / 2;
}

int Abaco::scala(int lunghezza) const
{
    return static_cast<int>(std::lround(lunghezza * passo_ / double(colonnaUsuale)));
}

int Abaco::x(int i, int scarto) const { return sinistra_ + scala(8) + i * passo_ + scala(scarto); }

QRect Abaco::didascalia(int i) const
{
    const QRect& b = asta(i).boxDidascalia;
    return {x(i, b.x()), b.y(), scala(b.width()), b.height()};
}

QRect Abaco::bastone(int i) const
{
    const QRect& b = asta(i).boxAsta;
    return {x(i, b.x()), b.y(), scala(b.width()), b.height()};
}

// Narrower columns shrink a bead's box about the foot of its rod, so that
// every bead keeps a round shape and rests on the bar.
QRect Abaco::perla(int i) const
{
    const QRect& b = asta(i).boxPerla;
    return {x(i, b.x()), piede - scala(piede - b.y()), scala(b.width()), scala(b.height())};
}

QRect Abaco::disco(int i) const
{
    const QRect box = perla(i);
    const int diametro = std::min(box.width(), box.height());
    QRect cerchio(0, 0, diametro, diametro);
    cerchio.moveCenter(box.center());
    return cerchio;
}

QRect Abaco::fascia() const { return {sinistra_ + scala(8), 56, abaco_ - 9 - scala(8), 65}; }

QRect Abaco::base() const { return {sinistra_ + scala(16), 304, abaco_ - 9 - scala(16), 81}; }

bool Abaco::staccate(double punti) const
{
    const QFontMetrics metrica(platform::font(QStringLiteral("MS Sans Serif"), punti));
    int destra = 0; // where the caption before ends
    for (int i = 0; i < numero(); ++i) {
        const int larghezza = metrica.horizontalAdvance(QString::fromUtf8(asta(i).didascalia));
        const int sinistra = didascalia(i).center().x() - larghezza / 2;
        if (sinistra < destra + (i ? spazio : 0))
            return false;
        destra = sinistra + larghezza;
    }
    return destra <= larghezza_;
}

void Abaco::costruisciAsta(QWidget* superficie, int i) const
{
    new Forma(superficie, QString::fromLatin1(asta(i).nomeAsta), bastone(i), asta(i).asta);
}

void Abaco::costruisciAsteDietro(QWidget* superficie)
{
    for (int i = 0; i < numero(); ++i)
        if (asta(i).dietroLaBase)
            costruisciAsta(superficie, i);
}

Forma* Abaco::costruisciBase(QWidget* superficie) const
{
    return new Forma(superficie, QStringLiteral("Shape1"), base(),
                     {.bordo = platform::SystemColour::WindowText,
                      .spessore = 3,
                      .sfondo = ciano,
                      .riempimento = Riempimento::Incrociato,
                      .colore = ciano});
}

void Abaco::costruisciPerle(QWidget* superficie)
{
    for (int i = 0; i < numero(); ++i) {
        if (!asta(i).dietroLaBase)
            costruisciAsta(superficie, i);
        perle_.push_back(new Forma(superficie, QString::fromLatin1(asta(i).nomePerla), perla(i), asta(i).perla));
    }
}

Forma* Abaco::costruisciCima(QWidget* superficie)
{
    auto* cima = new Forma(superficie, QStringLiteral("Shape9"), fascia(),
                           {.bordo = nero,
                            .spessore = 2,
                            .sfondo = platform::SystemColour::WindowBackground,
                            .riempimento = Riempimento::DiagonaleGiu,
                            .colore = nero});
    // The window's face, unless the long names of the high rods would touch
    // in narrower columns: then a point smaller at a time.
    std::optional<QFont> carattere;
    for (double punti = 13.5; !staccate(punti); punti -= 0.75)
        carattere = platform::font(QStringLiteral("MS Sans Serif"), punti - 0.75);
    for (int i = 0; i < numero(); ++i)
        didascalie_.push_back(new Etichetta(superficie, QString::fromLatin1(asta(i).nomeDidascalia), didascalia(i),
                                            QString::fromUtf8(asta(i).didascalia),
                                            {.carattere = carattere, .centrata = asta(i).centrata}));
    return cima;
}

}
