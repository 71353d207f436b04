// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A new exercise: a number drawn and shown as beads, or, composing, asked
// for in digits and words.
#include "board/tavola.h"

#include "platform/core/checked.h"
#include "platform/services.h"

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
    platform::Currency valore = platform::Currency::fromText(esercizio_.testo());
    Text2->setText(QString::fromStdString(numlett(valore)));
    nascondiZeri();
    annunciaEsercizio();
    tingi();
}

// Composing, the rods are cleared for the pupil instead.
void Tavola::mostraPerle()
{
    const bool componi = lezione_.verso == Verso::Componi;
    for (QAbstractButton* colonna : colonne) {
        colonna->setEnabled(true);
        colonna->setChecked(false);
    }
    for (Forma* perla : abaco_.perle())
        perla->setVisible(!componi);
}

void Tavola::estrai()
{
    esercizio_.estrai(platform::rnd());
    Text1->setText(QString::fromStdString(esercizio_.testo()));
}

// A rod keeps its bead where the value drawn has a 1 in the rod's place.
void Tavola::nascondiZeri()
{
    if (lezione_.verso == Verso::Componi)
        return;
    for (int i = 0; i < abaco_.numero(); ++i)
        if (!esercizio_.perla(i))
            abaco_.perle()[static_cast<std::size_t>(i)]->setVisible(false);
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
