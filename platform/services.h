#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace platform {

// Replies of the modal message box, and the flags the program uses.
enum MessageBoxReply { ReplyOk = 1, ReplyYes = 6, ReplyNo = 7 };
enum MessageBoxFlags {
    OkOnly = 0,
    YesNo = 4,
    Critical = 16,
    Question = 32,
    DefaultButton2 = 256,
};

// The services that reach outside the program: chance, the clock, the user
// through a modal box, and the end of the program. Each is one function object
// set in one place, so a test can put its own in and no modal box ever waits
// for a person there.
struct Services {
    std::function<void()> randomize;
    std::function<double()> rnd;
    std::function<QDateTime()> now;
    std::function<int(const QString& prompt, int flags, const QString& title)> msgBox;
    std::function<void(int status)> endProgram;
};

// The services in use; tests assign members of it.
Services& services();
// The real ones, for restoring after a test.
Services defaultServices();

// Mixes a high-resolution clock reading into the generator's state, so
// re-seeding before every draw never repeats the last one.
void randomize();
// A uniform fraction with 0 <= r < 1.
double rnd();
// The time of day and the date as text in the locale's short forms, as the
// rest of the desktop shows them ("09:05", "06/12/26" in Italian).
QString timeText(const QDateTime& when);
QString dateText(const QDateTime& when);
QDateTime now();
// While the box is open no handler of the window runs (see guarded).
int msgBox(const QString& prompt, int flags, const QString& title);
// From here on no handler runs, whichever service stands in for the end.
void endProgram(int status);
// Handlers run again: for tests, which go on after the end of the program.
void resumeHandlers();

// True while one of the program's message boxes is open, and once the
// program is ending: a click that an access key scheduled before the box
// opened would otherwise run inside the box, or after the end.
bool handlersHeld();

}
