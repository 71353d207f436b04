#include "board/tasti.h"

#include "platform/guard.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace board {

FiltroTasti::FiltroTasti(QObject* box, std::function<void(std::int16_t)> onKeyPress)
    : QObject(box), onKeyPress_(std::move(onKeyPress))
{
    box->installEventFilter(this);
}

int FiltroTasti::codice(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return invio;
    case Qt::Key_Backspace: return indietro;
    case Qt::Key_Escape: return esc;
    default: break;
    }
    const QString testo = event.text();
    if (testo.isEmpty() || event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
        return -1;
    return testo.front().unicode();
}

bool FiltroTasti::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int code = codice(*static_cast<QKeyEvent*>(event));
        if (code >= 0)
            platform::guarded([&] { onKeyPress_(static_cast<std::int16_t>(code)); });
    }
    return false;
}

namespace {

// The keys the drill acts on: Enter judges or draws, Space clicks a button,
// Ctrl and Alt reach "NUOVO" and the access keys.
bool delGioco(const QKeyEvent& tasto)
{
    return tasto.key() == Qt::Key_Return || tasto.key() == Qt::Key_Enter || tasto.key() == Qt::Key_Space
           || (tasto.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}

TastiTenuti::TastiTenuti(QObject* parent) : QObject(parent) { QCoreApplication::instance()->installEventFilter(this); }

bool TastiTenuti::eventFilter(QObject*, QEvent* event)
{
    const QEvent::Type tipo = event->type();
    if (tipo != QEvent::KeyPress && tipo != QEvent::ShortcutOverride && tipo != QEvent::KeyRelease)
        return false;
    const auto& tasto = *static_cast<QKeyEvent*>(event);
    if (tipo != QEvent::ShortcutOverride && tasto.timestamp() == 0 && !event->spontaneous()) {
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
    const bool ripetuto =
        tasto.isAutoRepeat() || (tasto.timestamp() != 0 && tasto.key() == rilasciato_ && tasto.timestamp() == istante_);
    if (!ripetuto || !delGioco(tasto))
        return false;
    // Claimed, the shortcut override keeps a shortcut from firing; the press
    // that follows it is dropped here too.
    event->accept();
    return true;
}

}
