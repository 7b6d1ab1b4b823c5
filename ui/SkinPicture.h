#pragma once

#include <QLabel>

namespace orvex {

// An image control of the skin (the Img_ controls): shows one skin picture at
// its natural size and tells which picture it shows, so the hover and page
// logic can be checked by name.
class SkinPicture : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString picture READ pictureName)

public:
    SkinPicture(const QString& objectName, QWidget* parent);

    // Shows the picture of that resource name and takes its size.
    // Throws ResourceError when there is no such picture.
    void SetPicture(const QString& resourceName);
    QString pictureName() const { return m_pictureName; }

Q_SIGNALS:
    void pressed(QMouseEvent* event);
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString m_pictureName;
};

// The picture of every page copy of a button: "Img_<name>_1" .. "_4" show
// the picture of that resource name.
void SetPictureCopies(QWidget* window, const QString& name, const QString& resource);

}  // namespace orvex
