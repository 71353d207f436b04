// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace platform {

class RuntimeError;

// Shows an error that no operation trapped: a modal box titled "Contaperle"
// with the error's number and description. The program goes on, so the
// pupil keeps the contest.
void reportUntrapped(const RuntimeError& error);

// Every event handler of the window runs through here, so a failure ends the
// handler, reaches reportUntrapped and never crosses Qt's event loop. While
// a message box is open, or once the program is ending, handlers are dropped
// unrun (see handlersHeld).
void guarded(const std::function<void()>& handler) noexcept;

// The same guard for work the pupil must not be interrupted by (the record
// of the answers): an untrapped error goes to `report` instead of a box,
// also while a box is open or the program ends.
void guarded(const std::function<void()>& handler, const std::function<void(const RuntimeError&)>& report) noexcept;

}
