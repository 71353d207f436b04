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

    // The character code of a key, or -1 for keys that type no character.
    static int codice(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(std::int16_t)> onKeyPress_;
};

}
