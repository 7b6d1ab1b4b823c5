#include "ui/KeyCaptureEdit.h"

#include <QKeyEvent>

#include "platform/QtVirtualKeys.h"

namespace orvex {

KeyCaptureEdit::KeyCaptureEdit(const QString& objectName, QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(objectName);
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool KeyCaptureEdit::event(QEvent* event)
{
    // Tab would move the focus and shortcuts would fire elsewhere before the
    // edit saw them; here they are keys like any other.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QLineEdit::event(event);
}

void KeyCaptureEdit::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    const int virtualKey = VirtualKeyForEvent(*event);
    if (virtualKey == 0)
        return;
    const bool held = IsShiftCtrlAltKey(virtualKey)
                      || (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
    Q_EMIT keyPressed(virtualKey, held);
}

}  // namespace orvex
