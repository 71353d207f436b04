// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Keeps four warnings of Qt's screen-reader bridge off standard error; see
// platform/bridge.cpp. Every other message goes on as before.
void quietAccessibilityBridge();

}
