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

// The desktop's colours for the screen elements the window description names,
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
