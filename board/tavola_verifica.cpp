// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Judging the pupil's answer and keeping the score.
#include "board/tastiera.h"
#include "board/tavola.h"

#include "platform/core/checked.h"
#include "platform/core/numbers.h"

namespace board {
namespace {

const QString sbagliato = QStringLiteral("Sbagliato!! ");

QString punteggio(std::int16_t conteggio, const char* maschera)
{
    return QString::fromStdString(platform::format(conteggio, maschera));
}

}

QString Tavola::risposta() const
{
    if (lezione_.verso == Verso::Leggi)
        return Text3->text();
    int valore = 0;
    for (std::size_t i = 0; i < colonne.size(); ++i)
        valore += colonne[i]->isChecked() ? esercizio_.peso(static_cast<int>(i)) : 0;
    return QString::number(valore);
}

void Tavola::mostraGiuste()
{
    for (std::size_t i = 0; i < colonne.size(); ++i)
        colonne[i]->setChecked(esercizio_.perla(static_cast<int>(i)));
}

// The three counts, as the pupil sees them. The total comes last: it may
// overflow, and the other two are shown all the same.
void Tavola::mostraPunteggi()
{
    lblScore1->setCaption(punteggio(numErrate, "###0"));
    lblScore->setCaption(punteggio(numEsatte, "####0"));
    lblScore2->setCaption(punteggio(conti().totale(), "####0"));
}

// Every Enter is judged and counted, also a second one on the same number
// while reading; composing, the rods take no toggle once judged.
void Tavola::Text3_KeyPress(std::int16_t KeyAscii)
{
    if (KeyAscii != Tastiera::Invio)
        return;
    // The focus moves on once the verdict is written, also when a count
    // overflows, so that a screen reader speaks the verdict with it.
    struct Poi {
        Tavola* tavola;
        ~Poi() { tavola->annunciaVerdetto(); }
    } poi{this};
    if (esercizio_.giusta(risposta().toStdString())) {
        conta(numEsatte, platform::add16(numEsatte, 1));
        emit rispostaGiudicata(esercizio_.valore(), risposta(), true);
        lblMessage->setForeColor(QColor(255, 255, 0));
        lblMessage->setCaption(QStringLiteral("Esatto, ok!!!"));
        // The counts follow with the next number's check.
        return;
    }
    conta(numErrate, platform::add16(numErrate, 1));
    emit rispostaGiudicata(esercizio_.valore(), risposta(), false);
    lblMessage->setForeColor(QColor(255, 0, 0));
    lblMessage->setCaption(sbagliato + Text1->text());
    mostraGiuste();
    mostraPunteggi();
}

void Tavola::verifica()
{
    if (risposta() == Text1->text()) {
        lblMessage->setForeColor(QColor(0, 0, 255));
        lblMessage->setCaption(QStringLiteral("Esatto, \u00E8 incredibile!!!"));
    } else {
        lblMessage->setForeColor(QColor(255, 0, 0));
        lblMessage->setCaption(sbagliato + Text2->text());
    }
    // Before the total, which may overflow: the button is ready whatever happens.
    cmdNext->setEnabled(true);
    cmdNext->setFocus();
    mostraPunteggi();
}

}
