#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSize>

namespace orvex::skin {

// Paints the "ORVEX71" wordmark with its left baseline point at origin.
// onAccent selects the colours for a filled accent background.
void DrawWordmark(QPainter& painter, QPointF origin, qreal pixelSize, bool onAccent = false);

// Width of the wordmark at the given size.
qreal WordmarkWidth(qreal pixelSize);

// The logo strip across the top of the engineer page.
QImage DrawEngineerLogo(QSize size);

// The application icon (window, tray and desktop entry); any square size.
QImage DrawAppIcon(QSize size);

}  // namespace orvex::skin
