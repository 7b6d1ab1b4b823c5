#include "keys/KeyboardTables.h"

#include <array>

namespace orvex {
namespace {

struct UsageNameRow {
    Byte usage;
    const char* name;
};

// Names that are not part of a run (letters, digits, F-keys and keypad digits
// are generated below).
constexpr UsageNameRow kUsageNames[] = {
    {0x27, "0"}, {0x28, "Enter"}, {0x29, "Esc"}, {0x2A, "Backspace"}, {0x2B, "Tab"},
    {0x2C, "Space bar"}, {0x2D, "OEM_Minus"}, {0x2E, "OEM_Plus"}, {0x2F, "OEM_4"},
    {0x30, "OEM_6"}, {0x31, "OEM_5"}, {0x33, "OEM_1"}, {0x34, "OEM_7"}, {0x35, "OEM_3"},
    {0x36, "OEM_Comma"}, {0x37, "OEM_Period"}, {0x38, "OEM_2"}, {0x39, "Caps Lock"},
    {0x46, "Print Screen"}, {0x47, "Scroll Lock"}, {0x48, "Pause"}, {0x49, "Insert"},
    {0x4A, "Home"}, {0x4B, "Page Up"}, {0x4C, "Delete"}, {0x4D, "End"}, {0x4E, "Page Down"},
    {0x4F, "Right Arrow"}, {0x50, "Left Arrow"}, {0x51, "Down Arrow"}, {0x52, "Up Arrow"},
    {0x53, "Num Lock"}, {0x54, "Divide (numeric pad)"}, {0x55, "Multiply (numeric pad)"},
    {0x56, "Subtract (numeric pad)"}, {0x57, "Add (numeric pad)"},
    {0x58, "Separator (numeric pad)"}, {0x62, "0 (numeric pad)"},
    {0x63, "Decimal (numeric pad)"}, {0x65, "Applications"}, {0x75, "Help"}, {0x77, "Select"},
    {0x9C, "Clear"},
    // Media and browser keys: codes of this system's own, not HID usages.
    {0xC0, "Media_Next_Track"}, {0xC1, "Media_Prev_Track"}, {0xC2, "Media_Stop"},
    {0xC3, "Media_Play_Pause"}, {0xC4, "Volume_Mute"}, {0xC5, "Volume_Up"},
    {0xC6, "Volume_Down"}, {0xC7, "Launch_Mail"}, {0xC8, "Browser_Search"},
    {0xC9, "Browser_Home"}, {0xCA, "Browser_Back"}, {0xCB, "Browser_Forward"},
    {0xCC, "Browser_Stop"}, {0xCD, "Browser_Refresh"}, {0xCE, "Browser_Favorites"},
    {0xD1, "Launch_Media_Select"},
    {0xE0, "Left Ctrl"}, {0xE1, "Left Shift"}, {0xE2, "Left Alt"}, {0xE3, "Win"},
    {0xE4, "Right Ctrl"}, {0xE5, "Right Shift"}, {0xE6, "Right Alt"}, {0xE7, "Win"},
};

std::array<QString, 256> BuildUsageNames()
{
    std::array<QString, 256> names;
    for (int i = 0; i < 26; ++i)
        names[0x04 + i] = QString(QChar('A' + i));
    for (int i = 0; i < 9; ++i) {
        names[0x1E + i] = QString::number(i + 1);
        names[0x59 + i] = QStringLiteral("%1 (numeric pad)").arg(i + 1);
    }
    for (int i = 0; i < 12; ++i) {
        names[0x3A + i] = QStringLiteral("F%1").arg(i + 1);
        names[0x68 + i] = QStringLiteral("F%1").arg(i + 13);
    }
    for (const UsageNameRow& row : kUsageNames)
        names[row.usage] = QString::fromLatin1(row.name);
    return names;
}

struct VirtualKeyRow {
    Byte virtualKey;
    Byte usage;
};

// Keys outside the letter, digit, keypad-digit and function-key runs.
constexpr VirtualKeyRow kVirtualKeyUsages[] = {
    {0x08, 0x2A}, {0x09, 0x2B}, {0x0C, 0x9C}, {0x0D, 0x28}, {0x13, 0x48}, {0x14, 0x39},
    {0x1B, 0x29}, {0x20, 0x2C},
    // Generic modifiers map to the left-hand usages.
    {0x10, 0xE1}, {0x11, 0xE0}, {0x12, 0xE2},
    {0xA0, 0xE1}, {0xA1, 0xE5}, {0xA2, 0xE0}, {0xA3, 0xE4}, {0xA4, 0xE2}, {0xA5, 0xE6},
    {0x5B, 0xE3}, {0x5C, 0xE7}, {0x5D, 0x65},
    {0x21, 0x4B}, {0x22, 0x4E}, {0x23, 0x4D}, {0x24, 0x4A}, {0x25, 0x50}, {0x26, 0x52},
    {0x27, 0x4F}, {0x28, 0x51}, {0x29, 0x77}, {0x2C, 0x46}, {0x2D, 0x49}, {0x2E, 0x4C},
    {0x2F, 0x75},
    {0x30, 0x27}, {0x60, 0x62},
    {0x6A, 0x55}, {0x6B, 0x57}, {0x6C, 0x58}, {0x6D, 0x56}, {0x6E, 0x63}, {0x6F, 0x54},
    {0x90, 0x53}, {0x91, 0x47},
    {0xBA, 0x33}, {0xBB, 0x2E}, {0xBC, 0x36}, {0xBD, 0x2D}, {0xBE, 0x37}, {0xBF, 0x38},
    {0xC0, 0x35}, {0xDB, 0x2F}, {0xDC, 0x31}, {0xDD, 0x30}, {0xDE, 0x34},
    // Browser and media keys to this system's own codes.
    {0xA6, 0xCA}, {0xA7, 0xCB}, {0xA8, 0xCD}, {0xA9, 0xCC}, {0xAA, 0xC8}, {0xAB, 0xCE},
    {0xAC, 0xC9}, {0xAD, 0xC4}, {0xAE, 0xC6}, {0xAF, 0xC5}, {0xB0, 0xC0}, {0xB1, 0xC1},
    {0xB2, 0xC2}, {0xB3, 0xC3}, {0xB4, 0xC7}, {0xB5, 0xD1},
};

std::array<Byte, 256> BuildVirtualKeyUsages()
{
    std::array<Byte, 256> usages{};
    for (int i = 0; i < 9; ++i) {
        usages[0x31 + i] = static_cast<Byte>(0x1E + i);  // digits 1..9
        usages[0x61 + i] = static_cast<Byte>(0x59 + i);  // keypad 1..9
    }
    for (int i = 0; i < 26; ++i)
        usages[0x41 + i] = static_cast<Byte>(0x04 + i);  // letters
    for (int i = 0; i < 12; ++i) {
        usages[0x70 + i] = static_cast<Byte>(0x3A + i);  // F1..F12
        usages[0x7C + i] = static_cast<Byte>(0x68 + i);  // F13..F24
    }
    for (const VirtualKeyRow& row : kVirtualKeyUsages)
        usages[row.virtualKey] = row.usage;
    return usages;
}

}  // namespace

QString KeyUsageName(Byte usage)
{
    static const std::array<QString, 256> names = BuildUsageNames();
    return names[usage];
}

Byte VirtualKeyToUsage(int virtualKey)
{
    static const std::array<Byte, 256> usages = BuildVirtualKeyUsages();
    if (virtualKey < 0 || virtualKey > 255)
        return 0;
    return usages[virtualKey];
}

}  // namespace orvex
