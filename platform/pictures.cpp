// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <cmath>

namespace platform {

namespace {

QPixmap drawn(QSvgRenderer& renderer, QSize logicalSize, qreal devicePixelRatio)
{
    QPixmap pixmap(logicalSize * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}

QPixmap picture(const QString& resource, QSize logicalSize, qreal devicePixelRatio)
{
    // Buttons ask for their picture at every paint: parse and draw each SVG
    // once per size, not once per paint.
    const QString key = QStringLiteral("platform::picture %1 %2x%3 %4")
                            .arg(resource)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QSvgRenderer renderer(resource);
    pixmap = drawn(renderer, logicalSize, devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon icon(const QString& resource)
{
    // Window managers draw the window's icon at 64 pixels or less; menus and
    // launchers take the installed scalable icon instead. Larger sizes would
    // be rendered, kept and sent to the X server at every start for nothing.
    // One parse of the SVG serves every size.
    QSvgRenderer renderer(resource);
    QIcon result;
    for (int side : {16, 24, 32, 48, 64})
        result.addPixmap(drawn(renderer, QSize(side, side), 1.0));
    return result;
}

QCursor pointer(const QString& resource, QSize logicalSize, QPoint hotSpot)
{
    const qreal ratio = std::ceil(qGuiApp->devicePixelRatio());
    return QCursor(picture(resource, logicalSize, ratio), hotSpot.x(), hotSpot.y());
}

}
