#pragma once

#include "platform/colour.h"

#include <QColor>

#include <variant>

namespace board {

// A control's colour: fixed, or the desktop's colour
// for a screen element, looked up each time it is painted.
using Tinta = std::variant<QColor, platform::SystemColour>;

inline QColor risolvi(const Tinta& tinta)
{
    if (const auto* sistema = std::get_if<platform::SystemColour>(&tinta))
        return platform::systemColour(*sistema);
    return std::get<QColor>(tinta);
}

}
