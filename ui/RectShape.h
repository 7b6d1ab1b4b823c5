#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QWidget>

namespace orvex {

// A window-less shape with an optional drop shadow; TRectShape paints a
// rectangle. The colour swatches of the CPI levels and key modes are
// TRectShapes without shadow whose brush shows the colour.
class TCustomShape : public QWidget {
    Q_OBJECT

public:
    explicit TCustomShape(const QString& objectName, QWidget* parent = nullptr);

    QBrush Brush() const { return m_brush; }
    void SetBrush(const QBrush& brush);
    QPen Pen() const { return m_pen; }
    void SetPen(const QPen& pen);
    bool Shadow() const { return m_shadow; }
    void SetShadow(bool on);
    int ShadowOffset() const { return m_shadowOffset; }
    void SetShadowOffset(int offset);
    QColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(const QColor& color);

    // The rectangles a paint fills, in control coordinates (right and bottom
    // edges excluded): the shadow (empty when off) and the shape.
    QRect ShadowRect() const;
    QRect ShapeRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    virtual void DrawShadow(QPainter& painter);
    virtual void DrawShape(QPainter& painter) = 0;

private:
    QBrush m_brush{Qt::white};
    QPen m_pen{Qt::black};
    bool m_shadow = true;
    int m_shadowOffset = 2;
    QColor m_shadowColor;
};

class TRectShape : public TCustomShape {
    Q_OBJECT

public:
    explicit TRectShape(const QString& objectName, QWidget* parent = nullptr);

protected:
    void DrawShape(QPainter& painter) override;
};

}  // namespace orvex
