// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

namespace platform {
Q_NAMESPACE

// The button that closed a modal message box, with the program's numbers for
// them; a box closed another way answers Ok, or No where it asks Yes or No.
enum class Reply { Ok = 1, Yes = 6, No = 7 };
enum class Buttons { Ok, YesNo };
enum class Icon { Plain, Question, Critical };
// By name, for tests that record the boxes asked for.
Q_ENUM_NS(Reply)
Q_ENUM_NS(Buttons)
Q_ENUM_NS(Icon)

// A message box: its buttons, its icon and the button Enter presses, named
// by its reply.
struct Box {
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::Plain;
    Reply defaultReply = Reply::Ok;
};

// The services that reach outside the program: chance, the clock, the user
// through a modal box, and the end of the program. Each is one function object
// set in one place, so a test can put its own in and no modal box ever waits
// for a person there.
struct Services {
    std::function<void()> randomize;
    std::function<double()> rnd;
    std::function<QDateTime()> now;
    std::function<Reply(const QString& prompt, Box box, const QString& title)> msgBox;
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
Reply msgBox(const QString& prompt, Box box, const QString& title);
// From here on no handler runs, whichever service stands in for the end.
void endProgram(int status);
// Handlers run again: for tests, which go on after the end of the program.
void resumeHandlers();

// True while one of the program's message boxes is open, and once the
// program is ending: a click that an access key scheduled before the box
// opened would otherwise run inside the box, or after the end.
bool handlersHeld();

}
