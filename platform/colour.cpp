#include "platform/colour.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace platform {

Colour rgb(int red, int green, int blue)
{
    const auto component = [](int value) { return static_cast<Colour>(std::clamp(value, 0, 255)); };
    return component(red) | component(green) << 8 | component(blue) << 16;
}

QColor toQColor(Colour colour)
{
    const auto component = [colour](int shift) { return static_cast<int>(colour >> shift & 0xFF); };
    return QColor(component(0), component(8), component(16));
}

QColor systemColour(SystemColour element)
{
    const QPalette palette = QGuiApplication::palette();
    switch (element) {
    case SystemColour::WindowBackground: return palette.color(QPalette::Base);
    case SystemColour::WindowText: return palette.color(QPalette::Text);
    case SystemColour::ButtonText: return palette.color(QPalette::ButtonText);
    case SystemColour::ScrollBar: return palette.color(QPalette::Midlight);
    case SystemColour::InactiveCaptionText: return palette.color(QPalette::Inactive, QPalette::WindowText);
    }
    return palette.color(QPalette::WindowText);
}

}
