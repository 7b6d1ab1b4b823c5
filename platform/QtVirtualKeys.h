#pragma once

#include <QtGlobal>

class QKeyEvent;

namespace orvex {

// What a key event tells about the key, in the form the virtual-key table
// needs: Qt's key code, whether the key sits on the numeric pad, and the
// native codes (on X11 and Wayland the X key code and the keysym), which are
// the only way to tell a left modifier from a right one.
struct QtKeyStroke {
    int qtKey = 0;
    bool keypad = false;
    quint32 nativeScanCode = 0;
    quint32 nativeVirtualKey = 0;
};

// The Windows virtual-key code of a key stroke, as the keyboard tables of the
// key and macro dialogs expect it; 0 for keys the table does not know.
// Modifiers come out sided (0xA0 .. 0xA5, 0x5B / 0x5C) when the native codes
// tell the side, else generic (0x10, 0x11, 0x12) or left Win. Keys typed with
// Shift give the code of the unshifted key ("!" is the 1 key).
int VirtualKeyForStroke(const QtKeyStroke& stroke);

// The key stroke a Qt key event describes.
QtKeyStroke StrokeOfEvent(const QKeyEvent& event);

// VirtualKeyForStroke(StrokeOfEvent(event)).
int VirtualKeyForEvent(const QKeyEvent& event);

// The generic code of a sided modifier (0xA0 / 0xA1 -> 0x10 Shift, 0xA2 /
// 0xA3 -> 0x11 Ctrl, 0xA4 / 0xA5 -> 0x12 Alt); every other code unchanged.
// Raw keyboard input reports modifiers this way.
int GenericVirtualKey(int virtualKey);

// Whether the code is one of Shift, Ctrl or Alt, generic or sided.
bool IsShiftCtrlAltKey(int virtualKey);

}  // namespace orvex
