#include "platform/bridge.h"

#include <QString>
#include <QtGlobal>

namespace platform {
namespace {

QtMessageHandler previous = nullptr;

// Neither warning tells of a fault. The bridge drops the caret moves of
// controls that have no text for screen readers (the program's hidden boxes,
// which hold the answer, by design) and says so at every exercise (Qt 6.8 in
// other words); and when a
// screen reader is slow to answer for a key, the bridge delivers the key
// itself and says so; and Qt 6.8 says which of a screen reader's requests
// for events it has no events for.
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
