#pragma once

#include <QObject>

class QKeyEvent;

#include <cstdint>
#include <functional>

namespace board {

// Watches a text box: every character key is handed to onKeyPress with its
// character code (Return and the keypad's Enter as 13) before the box sees
// it, through the platform's error guard; the key then goes on to the box
// unchanged.
class FiltroTasti : public QObject {
    Q_OBJECT
public:
    FiltroTasti(QObject* box, std::function<void(std::int16_t)> onKeyPress);

    // The codes of Enter, Backspace and Esc.
    static constexpr int invio = 13, indietro = 8, esc = 27;

    // The character code of a key, or -1 for keys that type no character.
    static int codice(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(std::int16_t)> onKeyPress_;
};

// A held key counts once. Keyboard auto-repeat sends a held key again and
// again; on X11 Qt marks only some of the repeats (it looks for the next press
// in its queue, which may not have arrived yet), but a repeat's press carries
// the time stamp of the release just before it, which no finger can match.
// Watching the whole application, ahead of every other watcher (a screen
// reader's bridge takes the keys first and passes on copies without time
// stamps), this drops the repeats of the keys the drill acts on (Enter,
// Space, keys with Ctrl or Alt) before any control or shortcut sees them.
// Held digits still type, as in any text box.
class TastiTenuti : public QObject {
    Q_OBJECT
public:
    explicit TastiTenuti(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int rilasciato_ = 0;
    quint64 istante_ = 0;
};

}
