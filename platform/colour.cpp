// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/colour.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <cmath>

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

double luminance(const QColor& colour)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor& one, const QColor& other)
{
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor legible(const QColor& ink, const QColor& ground)
{
    constexpr double wanted = 4.5;
    const QColor target = contrast(Qt::black, ground) > contrast(Qt::white, ground) ? Qt::black : Qt::white;
    // Black or white alone always reaches 4.5:1, so the loop ends by 16.
    QColor mixed = ink;
    for (int step = 1; step <= 16 && contrast(mixed, ground) < wanted; ++step) {
        const auto towards = [&](int from, int to) { return from + (to - from) * step / 16; };
        mixed = QColor(towards(ink.red(), target.red()), towards(ink.green(), target.green()),
                       towards(ink.blue(), target.blue()));
    }
    return mixed;
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
