#include "platform/fonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QStringList>

#include <cmath>

namespace platform {

QFont font(const QString& face, double points, FontStyle style)
{
    const bool serif = face == QLatin1String("Times New Roman");
    QFont result;
    result.setFamilies(serif ? QStringList{face, QStringLiteral("Liberation Serif"), QStringLiteral("serif")}
                             : QStringList{face, QStringLiteral("Liberation Sans"), QStringLiteral("sans-serif")});
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
