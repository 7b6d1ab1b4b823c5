#include "tools/skin/MousePicture.h"

#include "tools/skin/Shapes.h"

#include <QRadialGradient>

#include <array>

namespace orvex::skin {
namespace {

using namespace colour;

// Where the mouse stands in the picture.
const QRectF kBody(345, 13, 205, 375);

// The seven visible button labels of the page, in picture coordinates (the
// picture stands at page (90, 130)); they are numbered 1..7 top to bottom.
constexpr int kLabelLeft = 50;
constexpr int kLabelRight = 220;
constexpr int kLabelHeight = 27;
constexpr std::array<int, 7> kLabelTops = {8, 56, 103, 152, 199, 247, 297};

// A point of the body in its own unit coordinates (0..1 across, 0..1 down).
QPointF At(qreal u, qreal v)
{
    return {kBody.left() + u * kBody.width(), kBody.top() + v * kBody.height()};
}

QPointF Map(const QRectF& box, qreal u, qreal v)
{
    return {box.left() + u * box.width(), box.top() + v * box.height()};
}

qreal RowCentre(int index)
{
    return kLabelTops[static_cast<std::size_t>(index)] + kLabelHeight / 2.0;
}

// The left and right button shells: from the front down to the seam, split
// by the wheel groove.
QPainterPath ButtonShell(bool left)
{
    QPainterPath shell = MouseBodyPath(kBody);
    QPainterPath half;
    const qreal mid = kBody.center().x();
    const QRectF side = left ? QRectF(kBody.left() - 5, kBody.top() - 5, mid - kBody.left() + 3, 160)
                             : QRectF(mid + 2, kBody.top() - 5, kBody.right() - mid + 3, 160);
    half.addRect(side);
    QPainterPath palm;
    palm.moveTo(At(-0.1, 0.40));
    palm.cubicTo(At(0.25, 0.43), At(0.75, 0.43), At(1.1, 0.40));
    palm.lineTo(At(1.1, 1.1));
    palm.lineTo(At(-0.1, 1.1));
    palm.closeSubpath();
    return shell.intersected(half).subtracted(palm);
}

// A thumb button on the left flank, centred on a label row.
QPainterPath SideButton(qreal centreY, qreal height)
{
    const qreal v = (centreY - kBody.top()) / kBody.height();
    // The flank of the body is at u of about 0.05 there; the button hugs it
    // and leans back a little, like the thumb sweeping over it.
    const qreal edge = At(v < 0.6 ? 0.045 : 0.06, v).x();
    const qreal top = centreY - height / 2;
    QPainterPath path;
    path.moveTo(edge - 3, top + 4);
    path.quadTo(edge - 3, top, edge + 1, top);
    path.lineTo(edge + 9, top + 3);
    path.lineTo(edge + 10, top + height - 2);
    path.quadTo(edge + 10, top + height, edge + 6, top + height);
    path.lineTo(edge + 1, top + height);
    path.quadTo(edge - 3, top + height, edge - 3, top + height - 4);
    path.closeSubpath();
    return path;
}

void PaintBackdrop(QPainter& painter, QSize size)
{
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), Colour(kSurface1));
    // A dim cyan glow behind the mouse and a field of dots; both fade out well
    // before the picture's edges so the picture sits seamlessly on the page.
    QRadialGradient glow(kBody.center(), 190);
    glow.setColorAt(0.0, Colour(kAccent, 30));
    glow.setColorAt(0.55, Colour(kAccent, 10));
    glow.setColorAt(1.0, Colour(kAccent, 0));
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), glow);
    painter.setPen(Qt::NoPen);
    for (int y = 20; y < size.height() - 12; y += 14) {
        for (int x = 262; x < size.width() - 12; x += 14) {
            const qreal d = QLineF(QPointF(x, y), kBody.center()).length();
            const int alpha = qBound(0, static_cast<int>(46 - d * 0.25), 46);
            if (alpha == 0)
                continue;
            painter.setBrush(Colour(kAccent, alpha));
            painter.drawEllipse(QPointF(x, y), 0.9, 0.9);
        }
    }
}

void PaintBody(QPainter& painter)
{
    const QPainterPath body = MouseBodyPath(kBody);
    // Drop shadow, then the shell with a light falling from the upper right.
    painter.save();
    painter.translate(6, 8);
    painter.fillPath(body, Colour(0xFF000000, 110));
    painter.restore();

    QLinearGradient shell(At(1.0, 0.0), At(0.0, 1.0));
    shell.setColorAt(0.0, Colour(0xFF3A404B));
    shell.setColorAt(0.45, Colour(0xFF262A32));
    shell.setColorAt(1.0, Colour(0xFF15171B));
    painter.fillPath(body, shell);

    QRadialGradient palm(At(0.56, 0.70), kBody.width() * 0.55);
    palm.setColorAt(0.0, Colour(0xFFFFFFFF, 26));
    palm.setColorAt(1.0, Colour(0xFFFFFFFF, 0));
    painter.fillPath(body, palm);

    // Panel lines: two angular grooves frame the raised palm, each carrying
    // an LED light pipe; a short one runs across the rear.
    painter.save();
    painter.setClipPath(body);
    QPainterPath grooves;
    for (const qreal side : {0.0, 1.0}) {
        auto u = [side](qreal value) { return side == 0.0 ? value : 1.0 - value; };
        QPainterPath groove;
        groove.moveTo(At(u(0.07), 0.47));
        groove.lineTo(At(u(0.27), 0.58));
        groove.lineTo(At(u(0.30), 0.86));
        groove.lineTo(At(u(0.40), 0.985));
        grooves.addPath(groove);
    }
    painter.strokePath(grooves, QPen(Colour(0xFF0A0B0D), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.strokePath(grooves.translated(0.8, 1.2), QPen(Colour(0xFFFFFFFF, 28), 1.0));
    QPainterPath pipes;
    for (const qreal side : {0.0, 1.0}) {
        auto u = [side](qreal value) { return side == 0.0 ? value : 1.0 - value; };
        pipes.moveTo(At(u(0.16), 0.52));
        pipes.lineTo(At(u(0.27), 0.58));
        pipes.lineTo(At(u(0.29), 0.76));
    }
    pipes.moveTo(At(0.43, 0.962));
    pipes.lineTo(At(0.57, 0.962));
    StrokeGlow(painter, pipes, Colour(kAccent, 210), 4);
    painter.strokePath(pipes, QPen(Colour(kAccent), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.restore();

    Stroke(painter, body, Colour(kLineBright), 1.3);
}

void PaintButtons(QPainter& painter)
{
    for (const bool left : {true, false}) {
        const QPainterPath shell = ButtonShell(left);
        QLinearGradient face(At(left ? 0.2 : 0.8, 0.0), At(0.5, 0.42));
        face.setColorAt(0.0, Colour(0xFF434A56));
        face.setColorAt(1.0, Colour(0xFF2A2F38));
        painter.fillPath(shell, face);
        Stroke(painter, shell, Colour(0xFF0C0E11), 1.6);
    }
    // Highlight along the front edge of the buttons.
    painter.save();
    painter.setClipPath(MouseBodyPath(kBody));
    QPainterPath rim;
    rim.moveTo(At(0.12, 0.07));
    rim.cubicTo(At(0.30, 0.005), At(0.70, 0.005), At(0.88, 0.07));
    painter.strokePath(rim, QPen(Colour(0xFFFFFFFF, 45), 2));
    painter.restore();

    // The wheel in its groove, lit from inside.
    const QRectF groove(At(0.425, 0.085), At(0.575, 0.285));
    painter.setBrush(Colour(0xFF08090B));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(groove, 9, 9);
    const QRectF wheel = groove.adjusted(4, 5, -4, -5);
    QLinearGradient tyre(wheel.topLeft(), wheel.topRight());
    tyre.setColorAt(0.0, Colour(0xFF1B1E24));
    tyre.setColorAt(0.5, Colour(0xFF4A515E));
    tyre.setColorAt(1.0, Colour(0xFF1B1E24));
    painter.setBrush(tyre);
    painter.drawRoundedRect(wheel, 6, 6);
    painter.setPen(QPen(Colour(0xFF0E1013), 1));
    for (qreal y = wheel.top() + 5; y < wheel.bottom() - 3; y += 4.5)
        painter.drawLine(QPointF(wheel.left() + 2, y), QPointF(wheel.right() - 2, y));
    painter.setPen(QPen(Colour(kAccent, 190), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(groove.adjusted(1, 1, -1, -1), 8, 8);

    // The CPI button behind the wheel, with its three level lights.
    const QRectF cpi(At(0.455, 0.31), At(0.545, 0.365));
    painter.setPen(QPen(Colour(0xFF0C0E11), 1.2));
    painter.setBrush(Colour(0xFF3A404B));
    painter.drawRoundedRect(cpi, 4, 4);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(Colour(kAccent, 230 - i * 60));
        painter.drawEllipse(QPointF(cpi.center().x(), cpi.bottom() + 7 + i * 6), 1.6, 1.6);
    }

    // Thumb buttons on the left flank, one per label row 4..7.
    for (int row = 3; row < 7; ++row) {
        const QPainterPath side = SideButton(RowCentre(row), row == 6 ? 30 : 38);
        FillVertical(painter, side, Colour(0xFF4E5563), Colour(0xFF2A2F38));
        Stroke(painter, side, Colour(0xFF0A0B0D), 1.3);
        const QRectF box = side.boundingRect();
        painter.setPen(QPen(Colour(kAccent, 170), 1.2));
        painter.drawLine(QPointF(box.left() + 1.5, box.top() + 5), QPointF(box.left() + 1.5, box.bottom() - 5));
    }

    // The model number on the palm.
    QFont emblem = WordmarkFont(22);
    QPainterPath number;
    number.addText(QPointF(0, 0), emblem, QStringLiteral("71"));
    const QRectF nb = number.boundingRect();
    painter.save();
    painter.translate(At(0.5, 0.76) - nb.center());
    painter.fillPath(number, Colour(0xFF0C0E11, 150));
    painter.translate(-0.6, -0.8);
    painter.fillPath(number, Colour(kAccent, 120));
    painter.restore();
}

// Where the leader line of each label row ends on the mouse.
QPointF Target(int row)
{
    switch (row) {
    case 0: return At(0.27, 0.16);            // left button
    case 1: return At(0.5, 0.185);            // wheel
    case 2: return At(0.76, 0.30);            // right button
    default: break;
    }
    // Thumb buttons: the middle of the side button of that row.
    return SideButton(RowCentre(row), 30).boundingRect().center();
}

void PaintLeaders(QPainter& painter)
{
    for (int row = 0; row < 7; ++row) {
        const qreal y = RowCentre(row);
        const QPointF start(kLabelRight + 4, y);
        const QPointF target = Target(row);
        const QPointF elbow(row < 3 ? 292 : target.x() - 18, y);
        QPainterPath leader(start);
        leader.lineTo(elbow);
        leader.lineTo(target);
        painter.strokePath(leader, QPen(Colour(kAccent, 150), 1.0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Colour(kAccent, 200));
        painter.drawRect(QRectF(start.x() - 1, y - 2, 3, 4));
        painter.setBrush(Colour(kAccent, 60));
        painter.drawEllipse(target, 5.5, 5.5);
        painter.setBrush(Colour(kAccentSoft));
        painter.drawEllipse(target, 2.4, 2.4);
    }
}

void PaintNumberMarks(QPainter& painter)
{
    const QFont font = TextFont(Language::English, 13, QFont::Bold);
    for (int row = 0; row < 7; ++row) {
        const qreal y = RowCentre(row);
        const QRectF badge(13, y - 11, 28, 22);
        const QPainterPath plate = ChamferedPath(badge, {6, 0, 6, 0});
        FillVertical(painter, plate, Colour(kAccentDeep), Colour(kAccentDark));
        Stroke(painter, plate, Colour(kAccent), 1.0);
        Caption(painter, badge.adjusted(0, 0, 0, -1), QString::number(row + 1), font,
                Colour(0xFFFFFFFF), Qt::AlignCenter);
        // A short link from the badge towards its label.
        painter.fillRect(QRectF(badge.right() + 1, y - 0.5, kLabelLeft - badge.right() - 3, 1),
                         Colour(kAccent, 120));
    }
}

void PaintHint(QPainter& painter, Language language)
{
    const QString text = language == Language::Chinese
                             ? QStringLiteral("点击按键名称，为该按键选择功能")
                             : QStringLiteral("Click a button's name to choose its function");
    const QFont font = TextFont(language, 12);
    painter.fillRect(QRectF(14, 352, 2, 16), Colour(kAccent, 180));
    Caption(painter, QRectF(22, 350, 300, 20), text, font, Colour(kTextDim));
}

}  // namespace

QPainterPath MouseBodyPath(const QRectF& box)
{
    auto p = [&box](qreal u, qreal v) { return Map(box, u, v); };
    QPainterPath path;
    path.moveTo(p(0.50, 0.00));
    path.cubicTo(p(0.74, 0.00), p(0.94, 0.05), p(0.97, 0.24));
    path.cubicTo(p(1.00, 0.40), p(0.93, 0.52), p(0.94, 0.66));
    path.cubicTo(p(0.95, 0.84), p(0.90, 0.985), p(0.62, 1.0));
    path.cubicTo(p(0.55, 1.006), p(0.45, 1.006), p(0.38, 1.0));
    path.cubicTo(p(0.12, 0.985), p(0.05, 0.84), p(0.06, 0.66));
    path.cubicTo(p(0.07, 0.52), p(0.01, 0.40), p(0.04, 0.24));
    path.cubicTo(p(0.07, 0.05), p(0.27, 0.00), p(0.50, 0.00));
    path.closeSubpath();
    return path;
}

QImage DrawButtonMap(QSize size, Language language)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    PaintBackdrop(painter, size);
    PaintBody(painter);
    PaintButtons(painter);
    PaintLeaders(painter);
    PaintNumberMarks(painter);
    PaintHint(painter, language);
    return image;
}

}  // namespace orvex::skin
