#pragma once

#include <QImage>
#include <QRect>
#include <QStringList>

namespace orvex::skin {

// Checks a shaped picture (window or dialog background): its corners are
// see-through, it is fully opaque, and no pixel next to the see-through area
// is a blend of the see-through colour. Returns one line per fault.
QStringList CheckShapedPicture(const QImage& image);

// Checks any other picture: the see-through colour must not occur in it.
QStringList CheckPlainPicture(const QImage& image);

// Checks that every pixel of core is fully transparent.
QStringList CheckClearCore(const QImage& image, const QRect& core);

}  // namespace orvex::skin
