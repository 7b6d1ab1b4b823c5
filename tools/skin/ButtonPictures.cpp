#include "tools/skin/ButtonPictures.h"

#include "tools/skin/LogoPictures.h"
#include "tools/skin/Palette.h"
#include "tools/skin/Shapes.h"

namespace orvex::skin {
namespace {

using namespace colour;

// Colours of one button state, shared by the plate-like families.
struct PlateLook {
    QColor fillTop;
    QColor fillBottom;
    QColor edge;
    QColor highlight;  // one-pixel line just inside the top edge
    QColor tick;       // the small accent mark at the left end
    qreal glow;        // radius of the edge glow, 0 for none
};

PlateLook LookOf(ButtonState state)
{
    switch (state) {
    case ButtonState::Normal:
        return {Colour(kSurface3), Colour(kSurface2), Colour(kLineBright, 200),
                Colour(0xFFFFFFFF, 16), Colour(kAccent, 150), 0};
    case ButtonState::Hover:
        return {Colour(kSurface4), Colour(kSurface3), Colour(kAccent, 235),
                Colour(0xFFFFFFFF, 28), Colour(kAccent), 2.0};
    case ButtonState::Pressed:
        break;
    }
    return {Colour(kAccentDeep), Colour(kAccentDark), Colour(kAccentSoft),
            Colour(0xFFFFFFFF, 45), Colour(0xFFFFFFFF, 220), 1.5};
}

// Body, edge and glow of a chamfered plate; the common base of the button
// families. Returns the plate's path for family-specific details.
QPainterPath PaintPlate(QPainter& painter, QSize size, const PlateLook& look, const Cuts& cuts)
{
    const QRectF body(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const QPainterPath path = ChamferedPath(body, cuts);
    FillVertical(painter, path, look.fillTop, look.fillBottom);
    if (look.glow > 0) {
        // The glow stays inside the picture: clip to the plate so the picture
        // keeps its outline and only the inner edge lights up.
        painter.save();
        painter.setClipPath(path);
        StrokeGlow(painter, path, look.edge, look.glow);
        painter.restore();
    }
    painter.setPen(QPen(look.highlight, 1.0));
    painter.drawLine(QPointF(cuts.topLeft + 1.5, 1.5), QPointF(size.width() - 2.0, 1.5));
    Stroke(painter, path, look.edge);
    return path;
}

}  // namespace

QImage DrawPlateButton(QSize size, ButtonState state)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    const PlateLook look = LookOf(state);
    const qreal cut = size.height() >= 24 && size.width() > 60 ? 7 : 5;
    PaintPlate(painter, size, look, {cut, 0, cut, 0});

    // An accent tick at the left end and a short one at the right: they mark
    // the button without taking room from its centred caption. Small buttons
    // need all their width for the caption.
    if (size.width() < 60)
        return image;
    const qreal mid = size.height() / 2.0;
    painter.fillRect(QRectF(3, mid - 4.5, 2, 9), look.tick);
    QColor rightTick = look.tick;
    rightTick.setAlphaF(rightTick.alphaF() * 0.55);
    painter.fillRect(QRectF(size.width() - 5, mid - 2.5, 2, 5), rightTick);
    return image;
}

QImage DrawTabButton(QSize size, ButtonState state)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    const qreal w = size.width();
    const qreal h = size.height();
    const Cuts cuts{9, 9, 0, 0};
    const QRectF body(0.5, 0.5, w - 1.0, h - 1.0);
    const QPainterPath path = ChamferedPath(body, cuts);

    const PlateLook look = LookOf(state);
    if (state == ButtonState::Normal)
        FillVertical(painter, path, Colour(kSurface2), Colour(kSurface1));
    else
        FillVertical(painter, path, look.fillTop, look.fillBottom);
    if (state == ButtonState::Pressed) {
        painter.save();
        painter.setClipPath(path);
        StrokeGlow(painter, path, look.edge, look.glow);
        painter.restore();
    }
    // Under the mouse only the outline lights up; the filled accent is kept
    // for the current tab.
    Stroke(painter, path, state == ButtonState::Normal ? Colour(kLineBright, 150)
                          : state == ButtonState::Hover ? Colour(kAccent, 200)
                                                        : look.edge);

    // The bottom bar tells the state at a glance: dim, lit, or bright with a
    // glow rising into the tab when it is the current one.
    const QColor bar = state == ButtonState::Normal  ? Colour(kLineBright, 200)
                       : state == ButtonState::Hover ? Colour(kAccent, 230)
                                                     : Colour(kAccentSoft);
    const qreal barHeight = state == ButtonState::Pressed ? 3 : 2;
    painter.fillRect(QRectF(1, h - barHeight, w - 2, barHeight), bar);
    if (state == ButtonState::Pressed) {
        QLinearGradient rise(QPointF(0, h - barHeight), QPointF(0, h - 12));
        rise.setColorAt(0, Colour(kAccent, 110));
        rise.setColorAt(1, Colour(kAccent, 0));
        painter.fillRect(QRectF(1, h - 12, w - 2, 12 - barHeight), rise);
    }
    return image;
}

QImage DrawKeyPlate(QSize size, ButtonState state)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    const PlateLook look = LookOf(state);
    const qreal w = size.width();
    const qreal h = size.height();
    PlateLook plate = look;
    if (state == ButtonState::Normal) {
        plate.fillTop = Colour(kSurface2);
        plate.fillBottom = Colour(0xFF191C21);
        plate.edge = Colour(kLineBright, 170);
    }
    PaintPlate(painter, size, plate, {0, 6, 0, 6});

    // A lit strip down the left edge joins the plate to its number mark and
    // leader line; the small caret at the right says "opens a menu".
    painter.fillRect(QRectF(1, 1, 3, h - 2), look.tick);
    painter.save();
    painter.setPen(QPen(state == ButtonState::Normal ? Colour(kTextDim) : look.tick, 1.4,
                        Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF c(w - 12, h / 2.0 + 1);
    painter.drawPolyline(QPolygonF({c + QPointF(-3.5, -2), c, c + QPointF(3.5, -2)}));
    painter.restore();
    return image;
}

QImage DrawWindowButton(QSize size, ButtonState state, WindowGlyph glyph)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    PaintPlate(painter, size, LookOf(state), {4, 0, 4, 0});

    const QColor ink = state == ButtonState::Normal ? Colour(0xFFC5CCD6) : Colour(0xFFFFFFFF);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    if (glyph == WindowGlyph::Close) {
        const qreal d = 3.6;
        painter.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
        painter.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
    } else {
        painter.drawLine(c + QPointF(-4, 2.5), c + QPointF(4, 2.5));
    }
    return image;
}

QImage DrawWebBanner(QSize size, ButtonState state)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    const qreal w = size.width();
    const qreal h = size.height();
    PlateLook look = LookOf(state);
    if (state == ButtonState::Normal) {
        look.fillTop = Colour(kSurface2);
        look.fillBottom = Colour(kSurface0);
        look.edge = Colour(kLineBright, 190);
    }
    const QPainterPath path = PaintPlate(painter, size, look, {12, 0, 12, 0});
    painter.save();
    painter.setClipPath(path);
    DiagonalHatch(painter, QRectF(w - 70, 0, 70, h), 5,
                  state == ButtonState::Pressed ? Colour(0xFFFFFFFF, 22) : Colour(kAccent, 26));
    painter.restore();

    DrawWordmark(painter, QPointF(16, 33), 23, state == ButtonState::Pressed);
    QFont small = TextFont(Language::English, 9, QFont::DemiBold);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    Caption(painter, QRectF(17, 39, 150, 14), QStringLiteral("SUPPORT  \u00B7  WEB"), small,
            state == ButtonState::Normal ? Colour(kTextSoft) : Colour(0xFFFFFFFF));

    // An "open outside" arrow in a ring at the right end.
    const QPointF c(w - 30, h / 2.0);
    const QColor ink = state == ButtonState::Normal ? Colour(kAccent, 210) : Colour(0xFFFFFFFF);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, 12, 12);
    painter.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(c + QPointF(-4.5, 4.5), c + QPointF(4.5, -4.5));
    painter.drawPolyline(QPolygonF({c + QPointF(-1, -4.5), c + QPointF(4.5, -4.5),
                                    c + QPointF(4.5, 1)}));
    return image;
}

}  // namespace orvex::skin
