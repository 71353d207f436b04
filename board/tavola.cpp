// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/tavola.h"

#include "platform/guard.h"
#include "platform/services.h"

#include <QAction>
#include <QShowEvent>

namespace board {

Tavola::Tavola(const Lezione& lezione, QWidget* parent)
    : QMainWindow(parent), lezione_(lezione), abaco_(lezione.aste), esercizio_(lezione.aste)
{
    costruisci();
    rendiAccessibile();
    if (lezione_.tastierino)
        mostraTastierino();
    collega();
    platform::guarded([this] { Form_Load(); });
}

void Tavola::collega()
{
    const auto guardato = [this](void (Tavola::*handler)()) {
        return [this, handler] { platform::guarded([this, handler] { (this->*handler)(); }); };
    };
    connect(cmdNext, &QPushButton::clicked, this, guardato(&Tavola::cmdNext_Click));
    connect(cmdExit, &QPushButton::clicked, this, guardato(&Tavola::cmdExit_Click));
    connect(Next, &QAction::triggered, this, guardato(&Tavola::Next_Click));
}

std::string Tavola::numlett(platform::Currency& numer) { return vocabolario.numlett(numer); }

// Every change of a score is told, also one to the value it had.
void Tavola::conta(std::int16_t& conto, std::int16_t valore)
{
    conto = valore;
    emit contiCambiati(conti());
}

void Tavola::setBackColor(platform::Colour colore)
{
    backColor_ = colore;
    QPalette tavolozza = superficie->palette();
    tavolozza.setColor(QPalette::Window, platform::toQColor(colore));
    superficie->setPalette(tavolozza);
}

void Tavola::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Activation happens once per loaded window: coming back from a message
    // box or another application draws nothing new.
    if (attivata)
        return;
    attivata = true;
    platform::guarded([this] { Form_Activate(); });
}

void Tavola::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        annunciaSospeso();
}

void Tavola::Form_Load()
{
    conta(numEsatte, 0);
    conta(numErrate, 0);
}

void Tavola::Form_Activate()
{
    cmdNext_Click();
    conta(numEsercizi, 0);
    conta(numErrate, 0);
    conta(numEsatte, 0);
}

void Tavola::Next_Click()
{
    const platform::Reply risposta =
        platform::msgBox(QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"),
                         {platform::Buttons::YesNo, platform::Icon::Question, platform::Reply::No},
                         QStringLiteral("INIZIARE NUOVA GARA"));
    // Only an explicit Yes starts over: a box closed any other way is a No.
    if (risposta != platform::Reply::Yes)
        return;
    emit nuovaGaraRichiesta();
}

void Tavola::cmdExit_Click()
{
    const QDateTime adesso = platform::now();
    const QString titolo = QStringLiteral("Data ") + platform::dateText(adesso);
    const QString messaggio = QStringLiteral("Ciao a presto. Ore ") + platform::timeText(adesso);
    platform::msgBox(messaggio, {platform::Buttons::Ok}, titolo);
    platform::endProgram(0);
}

}
