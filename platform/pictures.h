// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>

namespace platform {

// Pictures are SVG resources drawn by the SVG renderer itself, so they need no
// image plugin at run time and stay sharp at every scale factor.
QPixmap picture(const QString& resource, QSize logicalSize, qreal devicePixelRatio);
QIcon icon(const QString& resource);
// A mouse pointer; the hot spot is in logical pixels of the picture.
QCursor pointer(const QString& resource, QSize logicalSize, QPoint hotSpot);

}
