// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/tastiera.h"

#include "board/colonna.h"
#include "board/pulsante.h"
#include "board/tavola.h"
#include "platform/guard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProxyStyle>

namespace board {
namespace {

class SenzaAlt : public QProxyStyle {
public:
    SenzaAlt() : QProxyStyle(QApplication::style()->name()) {}

    int styleHint(StyleHint hint, const QStyleOption* opzione, const QWidget* widget,
                  QStyleHintReturn* risposta) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, opzione, widget, risposta);
    }
};

// The keys the drill acts on: Enter judges or draws, Space clicks a button,
// Ctrl and Alt reach "NUOVO" and the access keys.
bool delGioco(const QKeyEvent& tasto)
{
    return tasto.key() == Qt::Key_Return || tasto.key() == Qt::Key_Enter || tasto.key() == Qt::Key_Space
           || (tasto.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

bool invio(const QKeyEvent& tasto) { return tasto.key() == Qt::Key_Return || tasto.key() == Qt::Key_Enter; }

}

// A screen reader's bridge filters the whole application too: it takes every
// key first and passes a copy on once the screen reader has let it go. Held
// keys are told apart ahead of it, where the keys still carry their time
// stamps; what a key does is decided where it reaches its control, behind it,
// by this second watcher.
class Tastiera::Consegna : public QObject {
public:
    explicit Consegna(Tastiera* tastiera) : QObject(tastiera) {}

protected:
    bool eventFilter(QObject* controllo, QEvent* event) override
    {
        return static_cast<Tastiera*>(parent())->consegna(controllo, event);
    }
};

Tastiera::Tastiera(QObject* parent) : QObject(parent), consegna_(new Consegna(this))
{
    if (!dynamic_cast<SenzaAlt*>(QApplication::style()))
        QApplication::setStyle(new SenzaAlt);
    QCoreApplication::instance()->installEventFilter(this);
}

int Tastiera::codice(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Invio;
    case Qt::Key_Backspace: return Backspace;
    case Qt::Key_Escape: return Esc;
    default: break;
    }
    const QString testo = event.text();
    if (testo.isEmpty() || event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
        return -1;
    return testo.front().unicode();
}

bool Tastiera::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Polish:
        // Every button and answer box is watched from the moment it is ready.
        if (qobject_cast<Pulsante*>(watched) || qobject_cast<Colonna*>(watched)
            || (watched->objectName() == QLatin1String("Text3") && qobject_cast<QLineEdit*>(watched)))
            watched->installEventFilter(consegna_);
        return false;
    case QEvent::Shortcut:
        if (auto* pulsante = qobject_cast<Pulsante*>(watched); pulsante && pulsante->isEnabled())
            pulsante->setFocus(Qt::ShortcutFocusReason);
        return false;
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::KeyRelease: break;
    default: return false;
    }
    const auto& tasto = *static_cast<QKeyEvent*>(event);
    if (!ripetuto(tasto, event->type()) || !delGioco(tasto))
        return false;
    // Claimed, the shortcut override keeps a shortcut from firing; the press
    // that follows it is dropped here too.
    event->accept();
    return true;
}

bool Tastiera::ripetuto(const QKeyEvent& tasto, QEvent::Type tipo)
{
    if (tipo != QEvent::ShortcutOverride && tasto.timestamp() == 0 && !tasto.spontaneous()) {
        // A copy re-sent by the accessibility bridge, whose own filter took
        // the original first and its time stamp with it: move ahead of it.
        QMetaObject::invokeMethod(
            this, [this] { QCoreApplication::instance()->installEventFilter(this); }, Qt::QueuedConnection);
        return false;
    }
    if (tipo == QEvent::KeyRelease) {
        rilasciato_ = tasto.key();
        istante_ = tasto.timestamp();
        return false;
    }
    // Events that the program makes itself carry no time stamp.
    return tasto.isAutoRepeat()
           || (tasto.timestamp() != 0 && tasto.key() == rilasciato_ && tasto.timestamp() == istante_);
}

bool Tastiera::consegna(QObject* controllo, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& tasto = *static_cast<QKeyEvent*>(event);
    if (auto* pulsante = qobject_cast<Pulsante*>(controllo)) {
        if (invio(tasto))
            pulsante->click();
        return invio(tasto);
    }
    const int code = codice(tasto);
    auto* tavola = qobject_cast<Tavola*>(static_cast<QWidget*>(controllo)->window());
    if (tavola && code >= 0)
        platform::guarded([&] { tavola->Text3_KeyPress(static_cast<std::int16_t>(code)); });
    return false;
}

}
