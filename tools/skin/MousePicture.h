#pragma once

#include "tools/skin/Palette.h"

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSize>

namespace orvex::skin {

// Outline of our stylised mouse, seen from above with the front at the top,
// fitted into box.
QPainterPath MouseBodyPath(const QRectF& box);

// The picture of the Mode A/B page: the mouse on the right, number marks 1..7
// beside the seven button labels on the left and leader lines between them.
QImage DrawButtonMap(QSize size, Language language);

}  // namespace orvex::skin
