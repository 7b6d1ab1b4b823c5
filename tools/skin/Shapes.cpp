#include "tools/skin/Shapes.h"

#include "tools/skin/Palette.h"

#include <QFontMetricsF>
#include <QLinearGradient>

namespace orvex::skin {

QImage NewCanvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void BeginSmooth(QPainter& painter, QImage& image)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPainterPath ChamferedPath(const QRectF& r, const Cuts& cuts)
{
    QPainterPath path;
    path.moveTo(r.left() + cuts.topLeft, r.top());
    path.lineTo(r.right() - cuts.topRight, r.top());
    path.lineTo(r.right(), r.top() + cuts.topRight);
    path.lineTo(r.right(), r.bottom() - cuts.bottomRight);
    path.lineTo(r.right() - cuts.bottomRight, r.bottom());
    path.lineTo(r.left() + cuts.bottomLeft, r.bottom());
    path.lineTo(r.left(), r.bottom() - cuts.bottomLeft);
    path.lineTo(r.left(), r.top() + cuts.topLeft);
    path.closeSubpath();
    return path;
}

QPolygon ChamferedPolygon(const QRect& r, const Cuts& cuts)
{
    // Integer corners of the pixel area: right and bottom are exclusive edges.
    const int left = r.left();
    const int top = r.top();
    const int right = r.left() + r.width();
    const int bottom = r.top() + r.height();
    const auto tl = static_cast<int>(cuts.topLeft);
    const auto tr = static_cast<int>(cuts.topRight);
    const auto br = static_cast<int>(cuts.bottomRight);
    const auto bl = static_cast<int>(cuts.bottomLeft);
    QPolygon polygon;
    polygon << QPoint(left + tl, top) << QPoint(right - tr, top) << QPoint(right, top + tr)
            << QPoint(right, bottom - br) << QPoint(right - br, bottom) << QPoint(left + bl, bottom)
            << QPoint(left, bottom - bl) << QPoint(left, top + tl);
    return polygon;
}

void FillVertical(QPainter& painter, const QPainterPath& path, const QColor& top,
                  const QColor& bottom)
{
    const QRectF box = path.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    painter.fillPath(path, gradient);
}

void Stroke(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal width)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(path);
    painter.restore();
}

void StrokeGlow(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal radius)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    const int steps = 4;
    for (int i = steps; i >= 1; --i) {
        QColor faint = colour;
        faint.setAlphaF(colour.alphaF() * 0.16 * (steps - i + 1) / steps);
        painter.setPen(QPen(faint, 1.0 + 2.0 * radius * i / steps, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPath(path);
    }
    painter.restore();
}

void FadingLine(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0.0, colour);
    QColor end = colour;
    end.setAlpha(0);
    gradient.setColorAt(1.0, end);
    painter.save();
    painter.setPen(QPen(QBrush(gradient), width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, to);
    painter.restore();
}

void CornerBrackets(QPainter& painter, const QRectF& r, qreal arm, const QColor& colour)
{
    painter.save();
    painter.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::FlatCap));
    const QPointF corners[4] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    const QPointF directions[4][2] = {
        {{1, 0}, {0, 1}}, {{-1, 0}, {0, 1}}, {{-1, 0}, {0, -1}}, {{1, 0}, {0, -1}}};
    for (int i = 0; i < 4; ++i) {
        painter.drawLine(corners[i], corners[i] + directions[i][0] * arm);
        painter.drawLine(corners[i], corners[i] + directions[i][1] * arm);
    }
    painter.restore();
}

void DiagonalHatch(QPainter& painter, const QRectF& r, qreal spacing, const QColor& colour)
{
    // The hatching fades in from the left so it has no hard start.
    QLinearGradient fade(r.topLeft(), r.topRight());
    QColor clear = colour;
    clear.setAlpha(0);
    fade.setColorAt(0.0, clear);
    fade.setColorAt(0.6, colour);
    fade.setColorAt(1.0, colour);
    painter.save();
    painter.setClipRect(r, Qt::IntersectClip);
    painter.setPen(QPen(QBrush(fade), 1.0));
    for (qreal x = r.left() - r.height(); x < r.right(); x += spacing)
        painter.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    painter.restore();
}

void Caption(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
             const QColor& colour, Qt::Alignment alignment)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, static_cast<int>(alignment | Qt::TextSingleLine), text);
    painter.restore();
}

qreal TextWidth(const QString& text, const QFont& font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

void ApplySeeThroughOutline(QImage& image, const QPolygon& outline)
{
    QImage mask(image.size(), QImage::Format_ARGB32);
    mask.fill(Qt::black);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPolygon(outline);
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* inside = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(inside[x]) == 0) {
                pixels[x] = colour::kSeeThrough;
            } else {
                // The colour key works on opaque pixels only.
                pixels[x] |= 0xFF000000u;
            }
        }
    }
}

}  // namespace orvex::skin
