// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/gara.h"

#include "board/accesso.h"
#include "board/etichetta.h"
#include "board/registro.h"
#include "board/tastiera.h"
#include "board/tavola.h"
#include "platform/guard.h"

#include <QCoreApplication>
#include <QMenu>
#include <QTouchEvent>

namespace board {

Gara::Gara(const Lezione& lezione, const QString& registro)
    : lezione_(lezione), registro_(registro.isEmpty() ? nullptr : std::make_unique<Registro>(lezione, registro))
{
    Etichetta::altoContrasto = lezione.altoContrasto;
    new Tastiera(this);
    Lettura::installa();
    if (!lezione_.tastierino)
        QCoreApplication::instance()->installEventFilter(this);
}

bool Gara::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::TouchBegin
        || static_cast<QTouchEvent*>(event)->device()->type() != QInputDevice::DeviceType::TouchScreen || !tavola_)
        return false;
    // Not while a box is open: the next touch tries again.
    platform::guarded([this] {
        tavola_->mostraTastierino();
        lezione_.tastierino = true;
        QCoreApplication::instance()->removeEventFilter(this);
    });
    return false;
}

Gara::~Gara() { delete tavola_; }

Tavola* Gara::tavola() const { return tavola_; }

void Gara::avvia()
{
    tavola_ = new Tavola(lezione_);
    connect(tavola_, &Tavola::nuovaGaraRichiesta, this, &Gara::nuovaGara);
    if (registro_) {
        connect(tavola_, &Tavola::rispostaGiudicata, this,
                [this, tavola = tavola_.data()](int numero, const QString& risposta, bool giusta) {
                    registro_->annota(numero, risposta, giusta, tavola->conti());
                    mostraRegistro();
                });
        mostraRegistro();
    }
    tavola_->show();
    // Take the keyboard at once, also after a new contest, when the window
    // that had it has just gone.
    tavola_->activateWindow();
}

void Gara::nuovaGara()
{
    // The old window is still running the menu handler that asked for this:
    // hide it now and let the event loop delete it once that handler is done.
    Tavola* vecchia = tavola_;
    vecchia->hide();
    vecchia->deleteLater();
    avvia();
}

void Gara::mostraRegistro()
{
    auto* crediti = tavola_->findChild<QMenu*>(QStringLiteral("Ciao_1"));
    auto* riga = crediti ? crediti->findChild<QAction*>(QStringLiteral("Registro")) : nullptr;
    if (crediti && !riga) {
        riga = crediti->addAction(QString());
        riga->setObjectName(QStringLiteral("Registro"));
    }
    if (riga)
        riga->setText(registro_->stato());
}

}
