// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/colour.h"

#include <QColor>

#include <variant>

namespace board {

// A colour of the window: fixed, or the desktop's colour for a screen
// element, looked up each time it is painted.
using Tinta = std::variant<QColor, platform::SystemColour>;

inline QColor risolvi(const Tinta& tinta)
{
    if (const auto* sistema = std::get_if<platform::SystemColour>(&tinta))
        return platform::systemColour(*sistema);
    return std::get<QColor>(tinta);
}

// The window's fixed colours.
namespace colori {
constexpr QColor nero(0x00, 0x00, 0x00);
constexpr QColor blu(0x00, 0x00, 0xFF);
constexpr QColor blunotte(0x00, 0x00, 0x80);
constexpr QColor ciano(0x00, 0xFF, 0xFF);
constexpr QColor verde(0x00, 0xFF, 0x00);
constexpr QColor verdeScuro(0x00, 0xC0, 0x00);
constexpr QColor verdino(0xC0, 0xFF, 0xC0);
constexpr QColor grigio(0x80, 0x80, 0x80);
constexpr QColor lilla(0x80, 0x80, 0xFF);
constexpr QColor magenta(0xFF, 0x00, 0xFF);
constexpr QColor rosa(0xFF, 0x80, 0xFF);
constexpr QColor rosso(0xFF, 0x00, 0x00);
constexpr QColor giallo(0xFF, 0xFF, 0x00);
constexpr QColor verdeAcqua(0x00, 0xC0, 0xC0);
}

}
