#include "platform/pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace platform {

QPixmap picture(const QString& resource, QSize logicalSize, qreal devicePixelRatio)
{
    QSvgRenderer renderer(resource);
    QPixmap pixmap(logicalSize * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon icon(const QString& resource)
{
    QIcon result;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        result.addPixmap(picture(resource, QSize(side, side), 1.0));
    return result;
}

QCursor pointer(const QString& resource, QSize logicalSize, QPoint hotSpot)
{
    const qreal ratio = std::ceil(qGuiApp->devicePixelRatio());
    return QCursor(picture(resource, logicalSize, ratio), hotSpot.x(), hotSpot.y());
}

}
