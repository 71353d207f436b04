// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <cstdint>

namespace platform {

// A colour value as the program keeps it: 0x00BBGGRR, red in the lowest byte.
using Colour = std::uint32_t;

// Each component is clamped to 0..255, so a growing score saturates instead
// of failing.
Colour rgb(int red, int green, int blue);
QColor toQColor(Colour colour);

// Relative luminance (0 black to 1 white) and the contrast ratio of two
// colours (1 to 21), as the web's accessibility guidelines define them.
double luminance(const QColor& colour);
double contrast(const QColor& one, const QColor& other);
// ink if it stands out from ground by at least 4.5:1; otherwise ink mixed
// towards black or white, whichever stands out more, just far enough.
QColor legible(const QColor& ink, const QColor& ground);

// The desktop's colours for the screen elements the window's controls take,
// read from the current palette when asked.
enum class SystemColour {
    WindowBackground,
    WindowText,
    ButtonText,
    ScrollBar,
    InactiveCaptionText,
};
QColor systemColour(SystemColour element);

}
