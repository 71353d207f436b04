// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/guard.h"

#include "platform/core/runtime_error.h"
#include "platform/services.h"

#include <QString>

#include <exception>

namespace platform {

void reportUntrapped(const RuntimeError& error)
{
    const QString prompt = QStringLiteral("Errore di run-time '%1':\n\n%2")
                               .arg(error.number())
                               .arg(QString::fromStdString(error.description()));
    msgBox(prompt, {Buttons::Ok, Icon::Critical}, QStringLiteral("Contaperle"));
}

void guarded(const std::function<void()>& handler) noexcept
{
    if (!handlersHeld())
        guarded(handler, reportUntrapped);
}

void guarded(const std::function<void()>& handler, const std::function<void(const RuntimeError&)>& report) noexcept
{
    try {
        try {
            handler();
        } catch (const RuntimeError& error) {
            report(error);
        } catch (const std::exception&) {
            report(RuntimeError(RuntimeError::Number::InternalError));
        }
    } catch (...) { // NOLINT(bugprone-empty-catch): nothing is left to report with
        // The report itself failed (no memory for the box): nothing is left
        // to tell the user with, and the event loop must not see it.
    }
}

}
