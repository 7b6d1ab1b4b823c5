#include "ui/SkinPicture.h"

#include <QMouseEvent>

#include "ui/SkinPictures.h"

namespace orvex {

SkinPicture::SkinPicture(const QString& objectName, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TranslucentBackground);
}

void SkinPicture::SetPicture(const QString& resourceName)
{
    const QPixmap pixmap = SkinPixmap(resourceName);
    m_pictureName = resourceName;
    setPixmap(pixmap);
    resize(pixmap.size());
}

void SkinPicture::mousePressEvent(QMouseEvent* event)
{
    // Taken here, so that the release (and with it the click) comes back here.
    event->accept();
    Q_EMIT pressed(event);
}

void SkinPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void SkinPicture::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_EMIT doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

void SetPictureCopies(QWidget* window, const QString& name, const QString& resource)
{
    for (int copy = 1; copy <= 4; ++copy) {
        if (auto* picture = window->findChild<SkinPicture*>(QStringLiteral("Img_%1_%2").arg(name).arg(copy)))
            picture->SetPicture(resource);
    }
}

}  // namespace orvex
