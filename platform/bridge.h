#pragma once

namespace platform {

// Keeps four warnings of Qt's screen-reader bridge off standard error; see
// platform/bridge.cpp. Every other message goes on as before.
void quietAccessibilityBridge();

}
