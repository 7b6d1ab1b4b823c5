#include "app/LoadingForm.h"

#include <QPainter>
#include <QTimer>
#include <QtMath>

namespace orvex {
namespace {

// The animation: twelve segments around a ring, one bright, fading behind it.
class WaitAnimation : public QWidget {
public:
    explicit WaitAnimation(QWidget* parent)
        : QWidget(parent)
        , m_timer(new QTimer(this))
    {
        setObjectName(QStringLiteral("WaitGif"));
        setAttribute(Qt::WA_TranslucentBackground);
        setGeometry(0, 0, 200, 192);
        m_timer->setInterval(80);
        connect(m_timer, &QTimer::timeout, this, [this] {
            m_step = (m_step + 1) % kSegments;
            update();
        });
        m_timer->start();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF centre(width() / 2.0, height() / 2.0 - 8);
        painter.translate(centre);
        for (int i = 0; i < kSegments; ++i) {
            const int age = (m_step - i + kSegments) % kSegments;
            QColor colour(0, 220, 255);
            colour.setAlphaF(qMax(0.12, 1.0 - age / double(kSegments)));
            painter.save();
            painter.rotate(i * 360.0 / kSegments);
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawRoundedRect(QRectF(-5, -62, 10, 26), 4, 4);
            painter.restore();
        }
        painter.setPen(QColor(200, 230, 240));
        painter.setFont(QFont(QStringLiteral("Sans"), 11, QFont::DemiBold));
        painter.drawText(QRectF(-90, 70, 180, 24), Qt::AlignCenter, QStringLiteral("ORVEX71"));
    }

private:
    static constexpr int kSegments = 12;
    QTimer* m_timer;
    int m_step = 0;
};

}  // namespace

LoadingForm::LoadingForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TFormLoadingUI"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(kWidth, kHeight);
    new WaitAnimation(this);
}

QPoint LoadingForm::PlacementOver(const QRect& windowGeometry)
{
    return {windowGeometry.x() + (windowGeometry.width() - kWidth) / 2,
            windowGeometry.y() + (windowGeometry.height() - kHeight) / 2};
}

void LoadingForm::ShowOver(const QWidget* window)
{
    move(PlacementOver(window->geometry()));
    show();
    raise();
}

}  // namespace orvex
