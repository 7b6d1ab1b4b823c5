#include "ui/RectShape.h"

#include <QPainter>
#include <QPalette>

namespace orvex {

TCustomShape::TCustomShape(const QString& objectName, QWidget* parent)
    : QWidget(parent)
    , m_shadowColor(palette().color(QPalette::Dark))
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TranslucentBackground);
    resize(65, 65);
}

void TCustomShape::SetBrush(const QBrush& brush)
{
    m_brush = brush;
    update();
}

void TCustomShape::SetPen(const QPen& pen)
{
    m_pen = pen;
    update();
}

void TCustomShape::SetShadow(bool on)
{
    m_shadow = on;
    update();
}

void TCustomShape::SetShadowOffset(int offset)
{
    m_shadowOffset = qMax(0, offset);
    update();
}

void TCustomShape::SetShadowColor(const QColor& color)
{
    m_shadowColor = color;
    update();
}

QRect TCustomShape::ShadowRect() const
{
    if (!m_shadow)
        return {};
    const int p = m_pen.style() == Qt::NoPen ? 0 : m_pen.width();
    const int s = m_shadowOffset;
    const int shrink = p == 0 ? 1 : 0;
    return QRect(p / 2 + s, p / 2 + s, width() - s - p + 1 - shrink, height() - s - p + 1 - shrink);
}

QRect TCustomShape::ShapeRect() const
{
    const int p = m_pen.style() == Qt::NoPen ? 0 : m_pen.width();
    const int s = m_shadowOffset;
    int w = width() - s - p + 1;
    int h = height() - s - p + 1;
    if (!m_shadow) {
        w += s;
        h += s;
    }
    if (p == 0) {
        w -= 1;
        h -= 1;
    }
    return QRect(p / 2, p / 2, w, h);
}

void TCustomShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_shadow)
        DrawShadow(painter);
    DrawShape(painter);
}

void TCustomShape::DrawShadow(QPainter& painter)
{
    // Fill and outline in the shadow colour.
    const QRect r = ShadowRect();
    painter.fillRect(r, m_shadowColor);
}

TRectShape::TRectShape(const QString& objectName, QWidget* parent)
    : TCustomShape(objectName, parent)
{
}

void TRectShape::DrawShape(QPainter& painter)
{
    // The rectangle excludes its right and bottom edges: fill the whole area
    // with the brush, then draw the pen inside it.
    const QRect r = ShapeRect();
    painter.fillRect(r, Brush());
    const QPen pen = Pen();
    if (pen.style() != Qt::NoPen && pen.width() > 0) {
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const int half = pen.width() / 2;
        painter.drawRect(r.adjusted(half, half, -half - 1, -half - 1));
    }
}

}  // namespace orvex
