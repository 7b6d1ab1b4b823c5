#include "tools/skin/MarkPictures.h"

#include "tools/skin/Palette.h"
#include "tools/skin/Shapes.h"

namespace orvex::skin {

using namespace colour;

QImage DrawCheckMark(QSize size, bool on)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    const QRectF box(1.5, 1.5, size.width() - 3.0, size.height() - 3.0);
    const QPainterPath path = ChamferedPath(box, {3, 0, 3, 0});
    if (on) {
        FillVertical(painter, path, Colour(kAccentDeep), Colour(kAccentDark));
        StrokeGlow(painter, path, Colour(kAccent, 160), 1.2);
        Stroke(painter, path, Colour(kAccent));
        const qreal w = size.width();
        const qreal h = size.height();
        painter.setPen(QPen(Colour(0xFFFFFFFF), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(w * 0.27, h * 0.52), QPointF(w * 0.44, h * 0.69),
                                        QPointF(w * 0.74, h * 0.33)}));
    } else {
        FillVertical(painter, path, Colour(0xFF101215), Colour(kSurface2));
        Stroke(painter, path, Colour(0xFF6A7382));
    }
    return image;
}

QImage DrawOptionMark(QSize size, bool on)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const qreal r = size.width() / 2.0 - 1.2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colour(0xFF101215));
    painter.drawEllipse(c, r, r);
    painter.setBrush(Qt::NoBrush);
    if (on) {
        painter.setPen(QPen(Colour(kAccent, 90), 2.4));
        painter.drawEllipse(c, r - 0.4, r - 0.4);
        painter.setPen(QPen(Colour(kAccent), 1.3));
        painter.drawEllipse(c, r, r);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Colour(kAccent, 90));
        painter.drawEllipse(c, r * 0.62, r * 0.62);
        painter.setBrush(Colour(kAccentSoft));
        painter.drawEllipse(c, r * 0.42, r * 0.42);
    } else {
        painter.setPen(QPen(Colour(0xFF6A7382), 1.2));
        painter.drawEllipse(c, r, r);
    }
    return image;
}

QImage DrawScaleSegment(QSize size, bool lit)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    const qreal w = size.width();
    const qreal h = size.height();
    // A leaning block: the lean and the margins are the same in every
    // segment, so a row of them reads as one segmented bar.
    const qreal lean = 4;
    const qreal gap = w > 22 ? 5 : 4;
    const qreal top = 3;
    const qreal bottom = h - 3;
    QPainterPath block;
    block.moveTo(lean + 0.5, top);
    block.lineTo(w - gap + lean + 0.5 - 1, top);
    block.lineTo(w - gap + 0.5 - 1, bottom);
    block.lineTo(0.5, bottom);
    block.closeSubpath();
    if (lit) {
        StrokeGlow(painter, block, Colour(kAccent, 170), 2.2);
        FillVertical(painter, block, Colour(kAccentSoft), Colour(0xFF00A9C4));
        painter.setPen(QPen(Colour(0xFFFFFFFF, 150), 1));
        painter.drawLine(QPointF(lean + 1.5, top + 1), QPointF(w - gap + lean - 1.5, top + 1));
    } else {
        FillVertical(painter, block, Colour(0xFF2A2F38), Colour(0xFF1F232A));
        Stroke(painter, block, Colour(0xFF3A414D));
    }
    return image;
}

QImage DrawSwatchFrame(QSize size)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    const qreal w = size.width();
    const qreal h = size.height();
    // The frame is opaque to the picture's edges: the rectangle of colour
    // under it must not peek out at the chamfered corners.
    painter.fillRect(QRectF(0, 0, w, h), Colour(kSurface1));
    const QPainterPath outer = ChamferedPath(QRectF(0.5, 0.5, w - 1, h - 1), {6, 0, 6, 0});
    FillVertical(painter, outer, Colour(kSurface3), Colour(kSurface2));
    Stroke(painter, outer, Colour(kLineBright));
    const QRectF window(4, 4, w - 8, h - 8);
    Stroke(painter, ChamferedPath(window.adjusted(-0.5, -0.5, 0.5, 0.5), {3, 0, 3, 0}),
           Colour(kAccent, 160));
    // A notch in the bottom edge marks the swatch as clickable.
    painter.fillRect(QRectF(w / 2 - 5, h - 2, 10, 2), Colour(kAccent, 200));

    // Clear the interior without antialiasing: every pixel of it must be
    // fully transparent, not almost.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(ChamferedPolygon(window.toRect(), {3, 0, 3, 0}));
    return image;
}

}  // namespace orvex::skin
