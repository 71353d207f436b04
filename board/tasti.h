#pragma once

#include <QObject>

class QKeyEvent;

#include <cstdint>
#include <functional>

namespace board {

// Watches a text box: every character key is handed to onKeyPress with its
// character code (Return and the keypad's Enter as 13) before the box sees
// it, and the key then goes on to the box unchanged; a key held down reaches
// onKeyPress once, not with its repeats. onLostFocus runs when
// the box loses the focus. Both run through the platform's error guard.
class FiltroTasti : public QObject {
    Q_OBJECT
public:
    FiltroTasti(QObject* box, std::function<void(std::int16_t&)> onKeyPress,
                std::function<void()> onLostFocus);

    // The character code of a key, or -1 for keys that type no character.
    static int codice(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(std::int16_t&)> onKeyPress_;
    std::function<void()> onLostFocus_;
};

}
