#include "board/tasti.h"

#include "platform/guard.h"

#include <QKeyEvent>

namespace board {

FiltroTasti::FiltroTasti(QObject* box, std::function<void(std::int16_t&)> onKeyPress,
                         std::function<void()> onLostFocus)
    : QObject(box), onKeyPress_(std::move(onKeyPress)), onLostFocus_(std::move(onLostFocus))
{
    box->installEventFilter(this);
}

int FiltroTasti::codice(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
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
        const auto& tasto = *static_cast<QKeyEvent*>(event);
        const int code = codice(tasto);
        // A held key repeats: the box still types every repeat, but the
        // handler hears the key once, so a held Enter judges one answer.
        if (code >= 0 && !tasto.isAutoRepeat()) {
            auto keyAscii = static_cast<std::int16_t>(code);
            platform::guarded([&] { onKeyPress_(keyAscii); });
        }
    } else if (event->type() == QEvent::FocusOut) {
        platform::guarded(onLostFocus_);
    }
    return false;
}

}
