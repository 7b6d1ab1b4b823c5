#include "tools/skin/LogoPictures.h"

#include "tools/skin/MousePicture.h"
#include "tools/skin/Palette.h"
#include "tools/skin/Shapes.h"

#include <QPainterPath>
#include <QTransform>

namespace orvex::skin {
namespace {

using namespace colour;

const QString kMakerPart = QStringLiteral("ORVEX");
const QString kModelPart = QStringLiteral("71");

// Forward lean of the wordmark: it reads as speed without an italic font.
constexpr qreal kLean = -0.2;

QPainterPath LeaningText(const QString& text, const QFont& font, QPointF origin)
{
    QPainterPath path;
    path.addText(QPointF(0, 0), font, text);
    QTransform transform;
    transform.translate(origin.x(), origin.y());
    transform.shear(kLean, 0);
    return transform.map(path);
}

}  // namespace

qreal WordmarkWidth(qreal pixelSize)
{
    const QFont font = WordmarkFont(static_cast<int>(pixelSize));
    return TextWidth(kMakerPart + kModelPart, font) + pixelSize * 0.15;
}

void DrawWordmark(QPainter& painter, QPointF origin, qreal pixelSize, bool onAccent)
{
    const QFont font = WordmarkFont(static_cast<int>(pixelSize));
    const QPainterPath maker = LeaningText(kMakerPart, font, origin);
    const QPointF modelOrigin = origin + QPointF(TextWidth(kMakerPart, font) + pixelSize * 0.12, 0);
    const QPainterPath model = LeaningText(kModelPart, font, modelOrigin);

    painter.save();
    painter.setPen(Qt::NoPen);
    if (!onAccent) {
        // A faint cyan halo under the model number.
        StrokeGlow(painter, model, Colour(kAccent, 150), pixelSize * 0.12);
    }
    painter.fillPath(maker, Colour(0xFFF4F7FA));
    painter.fillPath(model, onAccent ? Colour(0xFFB8FAFF) : Colour(kAccent));
    painter.restore();
}

QImage DrawEngineerLogo(QSize size)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    const qreal w = size.width();
    const qreal h = size.height();
    QLinearGradient base(QPointF(0, 0), QPointF(0, h));
    base.setColorAt(0, Colour(kSurface2));
    base.setColorAt(1, Colour(kSurface0));
    painter.fillRect(QRectF(0, 0, w, h), base);
    DiagonalHatch(painter, QRectF(w - 320, 0, 320, h), 6, Colour(kAccent, 18));

    DrawWordmark(painter, QPointF(22, 40), 30);
    const qreal textLeft = 22 + WordmarkWidth(30) + 22;
    painter.fillRect(QRectF(textLeft - 12, 16, 2, 28), Colour(kAccent, 180));
    QFont label = TextFont(Language::English, 12, QFont::DemiBold);
    label.setLetterSpacing(QFont::AbsoluteSpacing, 3.0);
    Caption(painter, QRectF(textLeft, 14, 360, 18), QStringLiteral("ENGINEERING CONSOLE"), label,
            Colour(kText));
    QFont note = TextFont(Language::English, 10);
    note.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    Caption(painter, QRectF(textLeft, 32, 360, 16), QStringLiteral("FACTORY SETTINGS  \u00B7  ALL PARAMETERS"),
            note, Colour(kTextDim));

    // Bottom rule: bright at the left, fading out; a row of ticks at the right.
    FadingLine(painter, QPointF(0, h - 1.5), QPointF(w * 0.75, h - 1.5), Colour(kAccent), 2);
    painter.setPen(QPen(Colour(kAccent, 120), 1));
    for (int i = 0; i < 24; ++i) {
        const qreal x = w - 30 - i * 9;
        painter.drawLine(QPointF(x, h - 12), QPointF(x, h - (i % 4 == 0 ? 22 : 16)));
    }
    return image;
}

QImage DrawAppIcon(QSize size)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    const qreal s = size.width() / 256.0;
    painter.scale(s, s);

    // A chamfered badge; the mouse outline in the middle stays readable down
    // to tray size.
    const QRectF badge(10, 10, 236, 236);
    const QPainterPath plate = ChamferedPath(badge, {52, 14, 52, 14});
    FillVertical(painter, plate, Colour(kSurface3), Colour(kDesk));
    StrokeGlow(painter, plate, Colour(kAccent, 200), 6);
    Stroke(painter, plate, Colour(kAccent), 7);

    const QRectF body(78, 38, 100, 180);
    const QPainterPath mouse = MouseBodyPath(body);
    FillVertical(painter, mouse, Colour(0xFF3A404C), Colour(kSurface1));
    StrokeGlow(painter, mouse, Colour(kAccent, 170), 5);
    Stroke(painter, mouse, Colour(kAccent), 7);
    painter.setPen(QPen(Colour(kAccent), 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(128, 44), QPointF(128, 112));
    painter.setBrush(Colour(kAccentSoft));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(119, 64, 18, 34), 9, 9);
    return image;
}

}  // namespace orvex::skin
