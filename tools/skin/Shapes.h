#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRectF>
#include <QString>

namespace orvex::skin {

// How far each corner of a rectangle is cut off at 45 degrees, in pixels.
struct Cuts {
    qreal topLeft = 0;
    qreal topRight = 0;
    qreal bottomRight = 0;
    qreal bottomLeft = 0;
};

// A transparent ARGB picture of the given size, ready to paint on.
QImage NewCanvas(QSize size);

// A painter on image with antialiasing and smooth pixmap scaling on.
void BeginSmooth(QPainter& painter, QImage& image);

// The rectangle r with chamfered corners, as a path.
QPainterPath ChamferedPath(const QRectF& r, const Cuts& cuts);

// The same outline as an integer polygon, for aliased fills and masks.
QPolygon ChamferedPolygon(const QRect& r, const Cuts& cuts);

// Fills path with a vertical gradient from top to bottom colour over its
// bounding box.
void FillVertical(QPainter& painter, const QPainterPath& path, const QColor& top,
                  const QColor& bottom);

// Strokes path with a pen of the given colour and width (square caps).
void Stroke(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal width = 1.0);

// A soft glow along path: a few wide, faint strokes under a crisp one.
void StrokeGlow(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal radius);

// A straight line that fades from colour at 'from' to transparent at 'to'.
void FadingLine(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width = 1.0);

// HUD-style corner brackets of the given arm length around r.
void CornerBrackets(QPainter& painter, const QRectF& r, qreal arm, const QColor& colour);

// Thin diagonal hatching inside r (clipped to it), spacing pixels apart.
void DiagonalHatch(QPainter& painter, const QRectF& r, qreal spacing, const QColor& colour);

// Text in box with the given alignment (no wrapping).
void Caption(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
             const QColor& colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// Width in pixels of text in font.
qreal TextWidth(const QString& text, const QFont& font);

// Replaces every pixel outside outline by the see-through colour. The mask is
// filled without antialiasing, so the border carries no blend of that colour;
// inside, the picture is made fully opaque.
void ApplySeeThroughOutline(QImage& image, const QPolygon& outline);

}  // namespace orvex::skin
