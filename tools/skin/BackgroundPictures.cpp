#include "tools/skin/BackgroundPictures.h"

#include "tools/skin/LogoPictures.h"
#include "tools/skin/Shapes.h"

namespace orvex::skin {
namespace {

using namespace colour;

// Corner cuts of the window: the long cuts at top left and bottom right give
// the angular look; the top left one stays clear of the engineer button at
// (10, 10).
const Cuts kPageCuts{16, 8, 16, 8};
const Cuts kDialogCuts{14, 6, 14, 6};

// The area inside the window frame where the page pictures stand.
const QRectF kBay(40, 94, 950, 456);

// Traces the outline one pixel inside the see-through edge: a neutral frame
// with the chamfers picked out in the accent.
void PaintFrame(QPainter& painter, QSize size, const Cuts& cuts)
{
    const QRectF edge(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    Stroke(painter, ChamferedPath(edge, cuts), Colour(kLineBright), 1.0);
    const QRectF inner = edge.adjusted(2, 2, -2, -2);
    Stroke(painter, ChamferedPath(inner, {cuts.topLeft - 1, cuts.topRight - 1,
                                          cuts.bottomRight - 1, cuts.bottomLeft - 1}),
           Colour(0xFF000000, 150), 1.0);

    const qreal w = size.width();
    const qreal h = size.height();
    painter.save();
    painter.setPen(QPen(Colour(kAccent), 2.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(1, cuts.topLeft + 1), QPointF(cuts.topLeft + 1, 1));
    painter.drawLine(QPointF(w - cuts.bottomRight - 1, h - 1), QPointF(w - 1, h - cuts.bottomRight - 1));
    painter.restore();
    FadingLine(painter, QPointF(cuts.topLeft + 1, 1), QPointF(cuts.topLeft + 220, 1), Colour(kAccent), 2);
    FadingLine(painter, QPointF(w - cuts.bottomRight - 1, h - 1), QPointF(w - cuts.bottomRight - 220, h - 1),
               Colour(kAccent), 2);
}

void PaintBody(QPainter& painter, QSize size)
{
    QLinearGradient body(QPointF(0, 0), QPointF(0, size.height()));
    body.setColorAt(0.0, Colour(0xFF1A1D23));
    body.setColorAt(0.16, Colour(kSurface0));
    body.setColorAt(1.0, Colour(0xFF0F1114));
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), body);
    DiagonalHatch(painter, QRectF(size.width() - 300, 0, 300, 46), 6, Colour(kAccent, 14));
    DiagonalHatch(painter, QRectF(0, size.height() - 20, 260, 20), 6, Colour(kAccent, 10));
}

void PaintHeader(QPainter& painter, Language language)
{
    DrawWordmark(painter, QPointF(136, 37), 26);
    const qreal afterMark = 136 + WordmarkWidth(26) + 14;
    painter.fillRect(QRectF(afterMark, 17, 1, 22), Colour(kLineBright));
    QFont subtitle = TextFont(language, language == Language::Chinese ? 13 : 10, QFont::DemiBold);
    subtitle.setLetterSpacing(QFont::AbsoluteSpacing, language == Language::Chinese ? 2.0 : 2.4);
    const QString text = language == Language::Chinese ? QStringLiteral("游戏鼠标驱动")
                                                       : QStringLiteral("GAMING MOUSE CONFIGURATOR");
    Caption(painter, QRectF(afterMark + 12, 17, 260, 22), text, subtitle, Colour(kTextSoft));

    // Window controls sit at (950, 10) and (980, 10); a short rule leads to them.
    FadingLine(painter, QPointF(940, 20.5), QPointF(760, 20.5), Colour(kAccent, 110));
}

void PaintTabRail(QPainter& painter, QSize size)
{
    const qreal w = size.width();
    // Tabs stand at y 50..80: page tabs from x 110, language tabs at 780, 905.
    QLinearGradient rail(QPointF(0, 44), QPointF(0, 88));
    rail.setColorAt(0, Colour(0xFF0D0F12));
    rail.setColorAt(1, Colour(0xFF111317));
    painter.fillRect(QRectF(14, 44, w - 28, 44), rail);
    painter.fillRect(QRectF(14, 44, w - 28, 1), Colour(kLine));
    painter.fillRect(QRectF(14, 81, w - 28, 1), Colour(kLine));
    FadingLine(painter, QPointF(430, 81.5), QPointF(14, 81.5), Colour(kAccent, 150));
    FadingLine(painter, QPointF(430, 81.5), QPointF(1016, 81.5), Colour(kAccent, 150));
    // A divider between the page tabs and the language tabs.
    painter.fillRect(QRectF(760, 52, 1, 26), Colour(kLineBright));
    // Little arrow heads at the rail's ends.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colour(kAccent, 200));
    painter.drawPolygon(QPolygonF({QPointF(30, 59), QPointF(36, 65), QPointF(30, 71)}));
    painter.drawPolygon(QPolygonF({QPointF(44, 59), QPointF(50, 65), QPointF(44, 71)}));
    painter.setBrush(Colour(kAccent, 90));
    painter.drawPolygon(QPolygonF({QPointF(58, 59), QPointF(64, 65), QPointF(58, 71)}));
}

void PaintBay(QPainter& painter)
{
    const QPainterPath bay = ChamferedPath(kBay, {12, 0, 12, 0});
    painter.fillPath(bay, Colour(kSurface1));
    Stroke(painter, bay, Colour(kLine));
    CornerBrackets(painter, kBay.adjusted(4, 4, -4, -4), 12, Colour(kAccent, 170));
    // A faint ruler down the left side of the bay.
    painter.setPen(QPen(Colour(kTextDim, 90), 1));
    for (int i = 0; i <= 36; ++i) {
        const qreal y = 132 + i * 10 + 0.5;
        painter.drawLine(QPointF(50, y), QPointF(i % 5 == 0 ? 60 : 55, y));
    }
}

void PaintDeck(QPainter& painter, QSize size)
{
    const qreal w = size.width();
    // Buttons of the bottom rows stand at y 560 and 600 (27 high); the web
    // banner at (50, 575). A trace runs behind the second row.
    painter.fillRect(QRectF(262, 613, w - 290, 1), Colour(kLine));
    FadingLine(painter, QPointF(262, 613.5), QPointF(560, 613.5), Colour(kAccent, 90));
    painter.setPen(QPen(Colour(kTextDim, 110), 1));
    for (int i = 0; i < 12; ++i) {
        const qreal x = 560 + i * 20 + 0.5;
        painter.drawLine(QPointF(x, 617), QPointF(x, i % 3 == 0 ? 625 : 621));
    }
    QFont version = TextFont(Language::English, 10);
    version.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    Caption(painter, QRectF(w - 200, 634, 176, 16), QStringLiteral("ORVEX71  \u00B7  v1.0"), version,
            Colour(kTextDim), Qt::AlignRight | Qt::AlignVCenter);
}

void PaintInsertIcon(QPainter& painter, InsertKind kind, QPointF c)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Colour(kAccent, 130), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (kind) {
    case InsertKind::Delay:
        painter.drawEllipse(c, 15, 15);
        painter.drawLine(c, c + QPointF(0, -10));
        painter.drawLine(c, c + QPointF(7, 4));
        painter.drawLine(c + QPointF(-4, -21), c + QPointF(4, -21));
        break;
    case InsertKind::Key:
        painter.drawPath(ChamferedPath(QRectF(c.x() - 16, c.y() - 16, 32, 30), {5, 0, 5, 0}));
        painter.drawPath(ChamferedPath(QRectF(c.x() - 11, c.y() - 12, 22, 17), {3, 0, 3, 0}));
        painter.drawLine(c + QPointF(-6, 10), c + QPointF(6, 10));
        break;
    case InsertKind::Movement:
        painter.drawEllipse(c, 10, 10);
        for (const QPointF d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
            painter.drawLine(c + d * 4, c + d * 18);
            const QPointF n(-d.y(), d.x());
            painter.drawPolyline(QPolygonF({c + d * 14 + n * 4, c + d * 18, c + d * 14 - n * 4}));
        }
        break;
    }
    painter.restore();
}

}  // namespace

QPolygon PageOutline(QSize size)
{
    return ChamferedPolygon(QRect(QPoint(0, 0), size), kPageCuts);
}

QPolygon DialogOutline(QSize size)
{
    return ChamferedPolygon(QRect(QPoint(0, 0), size), kDialogCuts);
}

QImage DrawPageBackground(QSize size, Language language)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    PaintBody(painter, size);
    PaintHeader(painter, language);
    PaintTabRail(painter, size);
    PaintBay(painter);
    PaintDeck(painter, size);
    PaintFrame(painter, size, kPageCuts);
    painter.end();
    ApplySeeThroughOutline(image, PageOutline(size));
    return image;
}

QImage DrawDialogBackground(QSize size)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    const qreal w = size.width();
    const qreal h = size.height();
    QLinearGradient body(QPointF(0, 0), QPointF(0, h));
    body.setColorAt(0.0, Colour(kSurface2));
    body.setColorAt(0.3, Colour(kSurface1));
    body.setColorAt(1.0, Colour(0xFF111317));
    painter.fillRect(QRectF(0, 0, w, h), body);

    // Title band: the title stands at (18, 25), the close button at (470, 12).
    QLinearGradient band(QPointF(0, 0), QPointF(0, 60));
    band.setColorAt(0, Colour(0xFF23272F));
    band.setColorAt(1, Colour(0xFF1A1D23));
    painter.fillRect(QRectF(0, 0, w, 60), band);
    DiagonalHatch(painter, QRectF(w - 190, 0, 150, 60), 6, Colour(kAccent, 16));
    painter.fillRect(QRectF(0, 60, w, 1), Colour(kLine));
    FadingLine(painter, QPointF(8, 60.5), QPointF(340, 60.5), Colour(kAccent), 1.5);
    painter.fillRect(QRectF(8, 27, 3, 20), Colour(kAccent));

    painter.save();
    painter.setOpacity(0.35);
    DrawWordmark(painter, QPointF(w - 24 - WordmarkWidth(12), h - 12), 12);
    painter.restore();
    PaintFrame(painter, size, kDialogCuts);
    painter.end();
    ApplySeeThroughOutline(image, DialogOutline(size));
    return image;
}

QImage DrawInsertBase(QSize size, InsertKind kind)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    const qreal w = size.width();
    const qreal h = size.height();
    // The picture stands 10 pixels right and below its box: the action list
    // reaches over the top edge, option rows stand at y 24..85, the edit at
    // (124, 45) and the buttons from y 94 down, all in picture coordinates.
    const QPainterPath plate = ChamferedPath(QRectF(0.5, 0.5, w - 1, h - 1), {8, 0, 8, 0});
    FillVertical(painter, plate, Colour(kSurface2), Colour(0xFF15171C));
    Stroke(painter, plate, Colour(kLineBright));
    painter.fillRect(QRectF(1, 1, w - 2, 19), Colour(0xFF111317));
    painter.fillRect(QRectF(1, 20, w - 2, 1), Colour(kAccent, 120));
    FadingLine(painter, QPointF(8, 88.5), QPointF(w - 8, 88.5), Colour(kLineBright));
    PaintInsertIcon(painter, kind, QPointF(170, 124));
    return image;
}

QImage DrawPlaceholder(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor::fromRgb(colour::kSurface0));
    return image;
}

}  // namespace orvex::skin
