// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A new exercise: a number from 1 to 31 drawn and shown as beads.
#include "board/tavola.h"

#include "platform/core/checked.h"
#include "platform/core/numbers.h"
#include "platform/services.h"

#include <cmath>

namespace board {

void Tavola::cmdNext_Click()
{
    verifica();
    mostraPerle();
    Text2->setText(QString());
    lblMessage->setCaption(QString());
    platform::randomize();
    conta(numEsercizi, platform::add16(numEsercizi, 1));
    estrai();
    platform::Currency valore = platform::Currency::fromText(Text1->text().toStdString());
    Text2->setText(QString::fromStdString(numlett(valore)));
    nascondiZeri();
    annunciaEsercizio();
    tingi();
}

void Tavola::mostraPerle()
{
    for (Forma* perla : perle)
        perla->setVisible(true);
}

void Tavola::estrai()
{
    const std::int16_t valore = platform::round16(std::floor(platform::rnd() * 31) + 1);
    Text1->setText(QString::fromStdString(platform::format(valore, "#0")));
}

// A rod keeps its bead where the value drawn has a 1 in the rod's place.
void Tavola::nascondiZeri()
{
    const std::int32_t valore = platform::textToLong(Text1->text().toStdString());
    for (std::size_t i = 0; i < aste.size(); ++i)
        if (valore / aste[i].peso % 2 == 0)
            perle[i]->setVisible(false);
}

// Red and blue grow with the wrong answers, green with the right ones; each
// saturates at 255, so no score can make the tint fail.
void Tavola::tingi()
{
    const int blu = numErrate * 50 + 25;
    const int verde = numEsatte + 125;
    const int rosso = numErrate + 20;
    setBackColor(platform::rgb(rosso, verde, blu));
}

}
