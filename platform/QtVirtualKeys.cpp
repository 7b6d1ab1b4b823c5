#include "platform/QtVirtualKeys.h"

#include <QKeyEvent>

namespace orvex {
namespace {

struct KeyRow {
    int qtKey;
    int virtualKey;
};

// Keys off the numeric pad. Letters, digits and F1 .. F24 run in step with
// their virtual keys and are not listed. Shifted symbols stand for the key
// that types them on a US keyboard, since a virtual key names the key, not
// the character.
constexpr KeyRow kMainKeys[] = {
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09}, {Qt::Key_Backtab, 0x09},
    {Qt::Key_Clear, 0x0C}, {Qt::Key_Return, 0x0D}, {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10}, {Qt::Key_Control, 0x11}, {Qt::Key_Alt, 0x12},
    {Qt::Key_AltGr, 0xA5}, {Qt::Key_Pause, 0x13}, {Qt::Key_CapsLock, 0x14},
    {Qt::Key_Escape, 0x1B}, {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21}, {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23}, {Qt::Key_Home, 0x24},
    {Qt::Key_Left, 0x25}, {Qt::Key_Up, 0x26}, {Qt::Key_Right, 0x27}, {Qt::Key_Down, 0x28},
    {Qt::Key_Select, 0x29}, {Qt::Key_Print, 0x2C}, {Qt::Key_SysReq, 0x2C},
    {Qt::Key_Insert, 0x2D}, {Qt::Key_Delete, 0x2E}, {Qt::Key_Help, 0x2F},
    {Qt::Key_Meta, 0x5B}, {Qt::Key_Super_L, 0x5B}, {Qt::Key_Super_R, 0x5C}, {Qt::Key_Menu, 0x5D},
    {Qt::Key_NumLock, 0x90}, {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_Back, 0xA6}, {Qt::Key_Forward, 0xA7}, {Qt::Key_Refresh, 0xA8}, {Qt::Key_Stop, 0xA9},
    {Qt::Key_Search, 0xAA}, {Qt::Key_Favorites, 0xAB}, {Qt::Key_HomePage, 0xAC},
    {Qt::Key_VolumeMute, 0xAD}, {Qt::Key_VolumeDown, 0xAE}, {Qt::Key_VolumeUp, 0xAF},
    {Qt::Key_MediaNext, 0xB0}, {Qt::Key_MediaPrevious, 0xB1}, {Qt::Key_MediaStop, 0xB2},
    {Qt::Key_MediaPlay, 0xB3}, {Qt::Key_MediaTogglePlayPause, 0xB3}, {Qt::Key_MediaPause, 0xB3},
    {Qt::Key_LaunchMail, 0xB4}, {Qt::Key_LaunchMedia, 0xB5},
    {Qt::Key_Launch0, 0xB6}, {Qt::Key_Launch1, 0xB7}, {Qt::Key_Calculator, 0xB7},
    {Qt::Key_Semicolon, 0xBA}, {Qt::Key_Colon, 0xBA}, {Qt::Key_Equal, 0xBB}, {Qt::Key_Plus, 0xBB},
    {Qt::Key_Comma, 0xBC}, {Qt::Key_Less, 0xBC}, {Qt::Key_Minus, 0xBD}, {Qt::Key_Underscore, 0xBD},
    {Qt::Key_Period, 0xBE}, {Qt::Key_Greater, 0xBE}, {Qt::Key_Slash, 0xBF}, {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0}, {Qt::Key_AsciiTilde, 0xC0},
    {Qt::Key_BracketLeft, 0xDB}, {Qt::Key_BraceLeft, 0xDB}, {Qt::Key_Backslash, 0xDC},
    {Qt::Key_Bar, 0xDC}, {Qt::Key_BracketRight, 0xDD}, {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE}, {Qt::Key_QuoteDbl, 0xDE},
    {Qt::Key_ParenRight, 0x30}, {Qt::Key_Exclam, 0x31}, {Qt::Key_At, 0x32},
    {Qt::Key_NumberSign, 0x33}, {Qt::Key_Dollar, 0x34}, {Qt::Key_Percent, 0x35},
    {Qt::Key_AsciiCircum, 0x36}, {Qt::Key_Ampersand, 0x37}, {Qt::Key_Asterisk, 0x38},
    {Qt::Key_ParenLeft, 0x39},
};

// Keys of the numeric pad whose virtual key differs from the main block.
// With Num Lock off the pad sends the navigation keys, which keep theirs.
constexpr KeyRow kKeypadKeys[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B}, {Qt::Key_Comma, 0x6C},
    {Qt::Key_Minus, 0x6D}, {Qt::Key_Period, 0x6E}, {Qt::Key_Slash, 0x6F},
};

// Left and right modifiers by their keysym (X11 and Wayland report it as the
// native virtual key) or, failing that, by their X key code.
struct SidedModifierRow {
    quint32 keysym;
    quint32 xKeyCode;
    int virtualKey;
};

constexpr SidedModifierRow kSidedModifiers[] = {
    {0xFFE1, 50, 0xA0},   // Shift_L
    {0xFFE2, 62, 0xA1},   // Shift_R
    {0xFFE3, 37, 0xA2},   // Control_L
    {0xFFE4, 105, 0xA3},  // Control_R
    {0xFFE9, 64, 0xA4},   // Alt_L
    {0xFFEA, 108, 0xA5},  // Alt_R
    {0xFE03, 0, 0xA5},    // ISO_Level3_Shift (AltGr)
    {0xFFEB, 133, 0x5B},  // Super_L
    {0xFFEC, 134, 0x5C},  // Super_R
    {0xFFE7, 0, 0x5B},    // Meta_L
    {0xFFE8, 0, 0x5C},    // Meta_R
};

int LookUp(const KeyRow* begin, const KeyRow* end, int qtKey)
{
    for (const KeyRow* row = begin; row != end; ++row) {
        if (row->qtKey == qtKey)
            return row->virtualKey;
    }
    return 0;
}

bool IsModifierKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return true;
    default:
        return false;
    }
}

int SidedModifier(const QtKeyStroke& stroke)
{
    for (const SidedModifierRow& row : kSidedModifiers) {
        if (stroke.nativeVirtualKey != 0 && row.keysym == stroke.nativeVirtualKey)
            return row.virtualKey;
    }
    for (const SidedModifierRow& row : kSidedModifiers) {
        if (row.xKeyCode != 0 && row.xKeyCode == stroke.nativeScanCode)
            return row.virtualKey;
    }
    return 0;
}

}  // namespace

int VirtualKeyForStroke(const QtKeyStroke& stroke)
{
    const int key = stroke.qtKey;
    if (IsModifierKey(key)) {
        if (const int sided = SidedModifier(stroke))
            return sided;
        return LookUp(std::begin(kMainKeys), std::end(kMainKeys), key);
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return stroke.keypad ? 0x60 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 0x70 + (key - Qt::Key_F1);
    if (stroke.keypad) {
        if (const int padKey = LookUp(std::begin(kKeypadKeys), std::end(kKeypadKeys), key))
            return padKey;
    }
    return LookUp(std::begin(kMainKeys), std::end(kMainKeys), key);
}

QtKeyStroke StrokeOfEvent(const QKeyEvent& event)
{
    return QtKeyStroke{event.key(), event.modifiers().testFlag(Qt::KeypadModifier),
                       event.nativeScanCode(), event.nativeVirtualKey()};
}

int VirtualKeyForEvent(const QKeyEvent& event)
{
    return VirtualKeyForStroke(StrokeOfEvent(event));
}

int GenericVirtualKey(int virtualKey)
{
    if (virtualKey >= 0xA0 && virtualKey <= 0xA5)
        return 0x10 + (virtualKey - 0xA0) / 2;
    return virtualKey;
}

bool IsShiftCtrlAltKey(int virtualKey)
{
    const int generic = GenericVirtualKey(virtualKey);
    return generic >= 0x10 && generic <= 0x12;
}

}  // namespace orvex
