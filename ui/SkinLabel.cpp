#include "ui/SkinLabel.h"

#include <QMouseEvent>

namespace orvex {

SkinLabel::SkinLabel(const QString& objectName, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TranslucentBackground);
    setAlignment(Qt::AlignCenter);
    setWordWrap(false);
    setTextFormat(Qt::PlainText);
}

void SkinLabel::enterEvent(QEnterEvent* event)
{
    Q_EMIT entered();
    QLabel::enterEvent(event);
}

void SkinLabel::leaveEvent(QEvent* event)
{
    Q_EMIT left();
    QLabel::leaveEvent(event);
}

void SkinLabel::mousePressEvent(QMouseEvent* event)
{
    // Taken here, so that the release (and with it the click) comes back here.
    event->accept();
    Q_EMIT pressed(event);
}

void SkinLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void SkinLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_EMIT doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

}  // namespace orvex
