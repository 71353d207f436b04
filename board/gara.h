#pragma once

#include <QObject>
#include <QPointer>

namespace board {

class Tavola;

// Owns the window across contests: a new contest unloads the window and shows
// a fresh one, built from its description, without the program ending.
class Gara : public QObject {
    Q_OBJECT
public:
    Gara();
    ~Gara() override;

    // Loads and shows the window; its activation puts up the first exercise.
    void avvia();
    Tavola* tavola() const;

private:
    void nuovaGara();

    QPointer<Tavola> tavola_;
};

}
