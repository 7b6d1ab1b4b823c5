#pragma once

#include <QLineEdit>

namespace orvex {

// A read-only edit that takes every key pressed while it has the focus,
// Tab and shortcut keys included, and reports it as a Windows virtual key
// instead of typing it. What it shows is set by its dialog.
class KeyCaptureEdit : public QLineEdit {
    Q_OBJECT

public:
    KeyCaptureEdit(const QString& objectName, QWidget* parent);

Q_SIGNALS:
    // A key went down (auto-repeats included). shiftCtrlAltHeld: Shift, Ctrl
    // or Alt is held, or is the key itself. Keys without a virtual key are
    // not reported.
    void keyPressed(int virtualKey, bool shiftCtrlAltHeld);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace orvex
