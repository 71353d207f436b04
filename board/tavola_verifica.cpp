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

// Every Enter is judged and counted, also a second one on the same number.
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
    // Exact text: " 7", "07" and "+7" are wrong answers to 7.
    if (Text3->text() == Text1->text()) {
        conta(numEsatte, platform::add16(numEsatte, 1));
        lblMessage->setForeColor(QColor(255, 255, 0));
        lblMessage->setCaption(QStringLiteral("Esatto, ok!!!"));
        // The counts follow with the next number's check.
        return;
    }
    conta(numErrate, platform::add16(numErrate, 1));
    lblMessage->setForeColor(QColor(255, 0, 0));
    lblMessage->setCaption(sbagliato + Text1->text());
    lblScore1->setCaption(punteggio(numErrate, "###0"));
    lblScore->setCaption(punteggio(numEsatte, "####0"));
    lblScore2->setCaption(punteggio(platform::add16(numErrate, numEsatte), "####0"));
}

void Tavola::verifica()
{
    if (Text3->text() == Text1->text()) {
        lblMessage->setForeColor(QColor(0, 0, 255));
        lblMessage->setCaption(QStringLiteral("Esatto, \u00E8 incredibile!!!"));
    } else {
        lblMessage->setForeColor(QColor(255, 0, 0));
        lblMessage->setCaption(sbagliato + Text2->text());
        lblScore1->setCaption(punteggio(numErrate, "###0"));
    }
    lblScore->setCaption(punteggio(numEsatte, "####0"));
    // Before the sum, which may overflow: the button is ready whatever happens.
    cmdNext->setEnabled(true);
    cmdNext->setFocus();
    lblScore2->setCaption(punteggio(platform::add16(numErrate, numEsatte), "####0"));
}

}
