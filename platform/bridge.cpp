// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bridge.h"

#include <QString>
#include <QtGlobal>

namespace platform {
namespace {

QtMessageHandler previous = nullptr;

// None of these tells of a fault. The bridge drops the caret moves and text
// events of controls that have no text for screen readers (the program's
// hidden boxes, which hold the answer, by design) and says so at every
// exercise, in Qt 6.4's words or in Qt 6.8's; when a screen reader is slow to
// answer for a key, the bridge delivers the key itself and says so; and
// Qt 6.8 names each kind of event a screen reader asks for that it has none of.
void filter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    static const char* const harmless[] = {"Sending TextCaretMoved from object that does not implement text",
                                           "QSpiApplication::keyEventError", "Subscription string not handled",
                                           "Received text event for invalid interface"};
    for (const char* one : harmless)
        if (type == QtWarningMsg && message.startsWith(QLatin1String(one)))
            return;
    previous(type, context, message);
}

}

void quietAccessibilityBridge()
{
    if (!previous)
        previous = qInstallMessageHandler(filter);
}

}
