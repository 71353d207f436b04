// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <cmath>

namespace platform {

QFont font(const QString& face, double points, FontStyle style)
{
    const bool serif = face == QLatin1String("Times New Roman");
    QStringList families = serif ? QStringList{QStringLiteral("Liberation Serif"), QStringLiteral("serif")}
                                 : QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("sans-serif")};
    // Qt looks a family it lacks up in fontconfig's fallbacks at every new
    // size and style: name the Windows face only where it is installed.
    static const QStringList installed = QFontDatabase::families();
    if (installed.contains(face))
        families.prepend(face);
    QFont result;
    result.setFamilies(families);
    result.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    result.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    result.setBold(style == FontStyle::Bold || style == FontStyle::BoldItalic);
    result.setItalic(style == FontStyle::Italic || style == FontStyle::BoldItalic);
    return result;
}

void avoidMonospacedDefault()
{
    QFont standard = QApplication::font();
    if (!QFontInfo(standard).fixedPitch())
        return;
    standard.setFamilies({QStringLiteral("Liberation Sans")});
    QApplication::setFont(standard);
}

}
