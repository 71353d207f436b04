#include "board/tasti.h"

#include "platform/guard.h"

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
        const int code = codice(*static_cast<QKeyEvent*>(event));
        if (code >= 0)
            platform::guarded([&] { onKeyPress_(static_cast<std::int16_t>(code)); });
    }
    return false;
}

}
