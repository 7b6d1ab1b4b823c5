#include "keys/KeyboardHookKey.h"

#include <array>
#include <iterator>

namespace orvex {
namespace {

using K = TKeyboardHookKey;

// Names in enumeration order; kh_Return_KP, the last key, has none.
constexpr const char* kHookKeyNames[] = {
    "None", "Demo", "255", "Backspace", "Tab", "Clear", "Enter", "Shift", "Ctrl", "Alt",
    "Pause", "Caps Lock", "Esc", "Space bar", "Page Up", "Page Down", "End", "Home",
    "Left Arrow", "Up Arrow", "Right Arrow", "Down Arrow", "Select", "Print Screen", "Insert",
    "Delete", "Help", "Left Windows", "Right Windows", "Applications",
    "0 (numeric pad)", "1 (numeric pad)", "2 (numeric pad)", "3 (numeric pad)",
    "4 (numeric pad)", "5 (numeric pad)", "6 (numeric pad)", "7 (numeric pad)",
    "8 (numeric pad)", "9 (numeric pad)",
    "Multiply (numeric pad)", "Add (numeric pad)", "Separator (numeric pad)",
    "Subtract (numeric pad)", "Decimal (numeric pad)", "Divide (numeric pad)",
    "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24",
    "Num Lock", "Scroll Lock",
    "Left Shift", "Right Shift", "Left Ctrl", "Right Ctrl", "Left Alt", "Right Alt",
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R",
    "S", "T", "U", "V", "W", "X", "Y", "Z",
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
    "OEM_1", "OEM_2", "OEM_3", "OEM_4", "OEM_5", "OEM_6", "OEM_7", "OEM_8",
    "OEM_Plus", "OEM_Comma", "OEM_Minus", "OEM_Period",
    "Browser_Back", "Browser_Forward", "Browser_Refresh", "Browser_Stop", "Browser_Search",
    "Browser_Favorites", "Browser_Home",
    "Volume_Mute", "Volume_Down", "Volume_Up",
    "Media_Next_Track", "Media_Prev_Track", "Media_Stop", "Media_Play_Pause",
    "Launch_Mail", "Launch_Media_Select", "Launch_App1", "Launch_App2",
    "",
};
static_assert(std::size(kHookKeyNames) == kKeyboardHookKeyCount);

// A run of consecutive virtual keys that maps onto consecutive keys.
struct VirtualKeyRun {
    int firstVirtualKey;
    int lastVirtualKey;
    K firstKey;
};

constexpr VirtualKeyRun kVirtualKeyRuns[] = {
    {8, 9, K::kh_Back},            // Back, Tab
    {12, 13, K::kh_Clear},         // Clear, Return
    {16, 20, K::kh_Shift},         // Shift, Control, Alt, Pause, Capital
    {27, 27, K::kh_Escape},
    {32, 32, K::kh_Space},
    {33, 41, K::kh_Prior},         // Prior .. Select
    {44, 47, K::kh_Snapshot},      // Snapshot, Insert, Delete, Help
    {48, 57, K::kh_0},
    {58, 58, K::kh_9},             // an unassigned code the listener has always read as 9
    {65, 90, K::kh_A},
    {91, 93, K::kh_LWIN},          // LWIN, RWIN, APPS
    {96, 111, K::kh_Numpad0},      // Numpad0 .. Numpad9, Multiply .. Divide
    {112, 135, K::kh_F1},
    {144, 145, K::kh_Numlock},     // Numlock, Scroll
    {160, 165, K::kh_LShift},      // LShift .. RAlt
    {166, 183, K::kh_Browser_Back},  // Browser_Back .. Launch_App2
    {186, 186, K::kh_OEM_1},
    {187, 190, K::kh_OEM_Plus},    // Plus, Comma, Minus, Period
    {191, 192, K::kh_OEM_2},       // OEM_2, OEM_3
    {219, 223, K::kh_OEM_4},       // OEM_4 .. OEM_8
    {255, 255, K::kh_255},
};

std::array<K, 256> BuildVirtualKeyTable()
{
    std::array<K, 256> keys{};
    keys.fill(K::kh_None);
    for (const VirtualKeyRun& run : kVirtualKeyRuns) {
        for (int vk = run.firstVirtualKey; vk <= run.lastVirtualKey; ++vk)
            keys[vk] = K(int(run.firstKey) + (vk - run.firstVirtualKey));
    }
    return keys;
}

}  // namespace

TKeyboardHookKey HookKeyForVirtualKey(int virtualKey)
{
    static const std::array<K, 256> keys = BuildVirtualKeyTable();
    if (virtualKey < 0 || virtualKey > 255)
        return K::kh_None;
    return keys[virtualKey];
}

QString HookKeyName(TKeyboardHookKey key)
{
    const int index = int(key);
    if (index < 0 || index >= kKeyboardHookKeyCount)
        return {};
    return QString::fromLatin1(kHookKeyNames[index]);
}

QString VirtualKeyName(int virtualKey)
{
    return HookKeyName(HookKeyForVirtualKey(virtualKey));
}

}  // namespace orvex
