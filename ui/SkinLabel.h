#pragma once

#include <QLabel>

namespace orvex {

// A transparent text label lying on a skin picture; it is what the user
// clicks (the Btn_, Key, IB_ and lbl_ controls). It tells when the mouse
// enters and leaves it, also while it is disabled.
class SkinLabel : public QLabel {
    Q_OBJECT

public:
    SkinLabel(const QString& objectName, QWidget* parent);

Q_SIGNALS:
    void entered();
    void left();
    void pressed(QMouseEvent* event);
    void clicked();
    void doubleClicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace orvex
