#include "keys/KeyboardHookKey.h"

#include <gtest/gtest.h>

#include <set>

namespace orvex {
namespace {

using K = TKeyboardHookKey;

TEST(KeyboardHookKeyTest, EnumerationHasTheDocumentedOrder)
{
    EXPECT_EQ(kKeyboardHookKeyCount, 145);
    const struct {
        K key;
        int index;
    } cases[] = {
        {K::kh_None, 0}, {K::kh_255, 2}, {K::kh_Back, 3}, {K::kh_APPS, 29},
        {K::kh_Numpad0, 30}, {K::kh_Divide, 45}, {K::kh_F1, 46}, {K::kh_F24, 69},
        {K::kh_LShift, 72}, {K::kh_A, 78}, {K::kh_Z, 103}, {K::kh_0, 104},
        {K::kh_OEM_1, 114}, {K::kh_OEM_Period, 125}, {K::kh_Browser_Back, 126},
        {K::kh_Launch_App2, 143}, {K::kh_Return_KP, 144},
    };
    for (const auto& c : cases)
        EXPECT_EQ(int(c.key), c.index) << c.index;
}

TEST(KeyboardHookKeyTest, NamesLineUpWithTheKeys)
{
    const struct {
        K key;
        const char* name;
    } cases[] = {
        {K::kh_None, "None"}, {K::kh_Demo, "Demo"}, {K::kh_255, "255"},
        {K::kh_Back, "Backspace"}, {K::kh_Return, "Enter"}, {K::kh_Control, "Ctrl"},
        {K::kh_Capital, "Caps Lock"}, {K::kh_Space, "Space bar"}, {K::kh_Prior, "Page Up"},
        {K::kh_Next, "Page Down"}, {K::kh_Down, "Down Arrow"}, {K::kh_Snapshot, "Print Screen"},
        {K::kh_LWIN, "Left Windows"}, {K::kh_APPS, "Applications"},
        {K::kh_Numpad0, "0 (numeric pad)"}, {K::kh_Numpad9, "9 (numeric pad)"},
        {K::kh_Multiply, "Multiply (numeric pad)"}, {K::kh_Divide, "Divide (numeric pad)"},
        {K::kh_F1, "F1"}, {K::kh_F13, "F13"}, {K::kh_F24, "F24"}, {K::kh_Numlock, "Num Lock"},
        {K::kh_Scroll, "Scroll Lock"}, {K::kh_LShift, "Left Shift"}, {K::kh_RAlt, "Right Alt"},
        {K::kh_A, "A"}, {K::kh_Z, "Z"}, {K::kh_0, "0"}, {K::kh_9, "9"},
        {K::kh_OEM_1, "OEM_1"}, {K::kh_OEM_8, "OEM_8"}, {K::kh_OEM_Plus, "OEM_Plus"},
        {K::kh_OEM_Period, "OEM_Period"}, {K::kh_Browser_Back, "Browser_Back"},
        {K::kh_Browser_Home, "Browser_Home"}, {K::kh_Volume_Mute, "Volume_Mute"},
        {K::kh_Media_Play_Pause, "Media_Play_Pause"}, {K::kh_Launch_Mail, "Launch_Mail"},
        {K::kh_Launch_App1, "Launch_App1"}, {K::kh_Launch_App2, "Launch_App2"},
        {K::kh_Return_KP, ""},
        // Outside the enumeration.
        {K(145), ""}, {K(-1), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HookKeyName(c.key), QString::fromLatin1(c.name)) << int(c.key);
}

TEST(KeyboardHookKeyTest, EveryKeyButTheKeypadEnterHasItsOwnName)
{
    std::set<QString> names;
    for (int i = 0; i < kKeyboardHookKeyCount - 1; ++i) {
        const QString name = HookKeyName(K(i));
        EXPECT_FALSE(name.isEmpty()) << i;
        EXPECT_TRUE(names.insert(name).second) << "name twice at " << i;
    }
}

TEST(KeyboardHookKeyTest, VirtualKeysMapOntoKeys)
{
    const struct {
        int virtualKey;
        K key;
    } cases[] = {
        {8, K::kh_Back}, {9, K::kh_Tab}, {12, K::kh_Clear}, {13, K::kh_Return},
        {16, K::kh_Shift}, {17, K::kh_Control}, {18, K::kh_Alt}, {19, K::kh_Pause},
        {20, K::kh_Capital}, {27, K::kh_Escape}, {32, K::kh_Space}, {33, K::kh_Prior},
        {37, K::kh_Left}, {41, K::kh_Select}, {44, K::kh_Snapshot}, {47, K::kh_Help},
        {48, K::kh_0}, {57, K::kh_9}, {58, K::kh_9}, {65, K::kh_A}, {90, K::kh_Z},
        {91, K::kh_LWIN}, {92, K::kh_RWIN}, {93, K::kh_APPS}, {96, K::kh_Numpad0},
        {105, K::kh_Numpad9}, {106, K::kh_Multiply}, {108, K::kh_Separator},
        {111, K::kh_Divide}, {112, K::kh_F1}, {135, K::kh_F24}, {144, K::kh_Numlock},
        {145, K::kh_Scroll}, {160, K::kh_LShift}, {163, K::kh_RControl}, {165, K::kh_RAlt},
        {166, K::kh_Browser_Back}, {172, K::kh_Browser_Home}, {173, K::kh_Volume_Mute},
        {176, K::kh_Media_Next_Track}, {179, K::kh_Media_Play_Pause},
        {181, K::kh_Launch_Media_Select}, {182, K::kh_Launch_App1},
        {183, K::kh_Launch_App2}, {186, K::kh_OEM_1}, {187, K::kh_OEM_Plus},
        {188, K::kh_OEM_Comma}, {189, K::kh_OEM_Minus}, {190, K::kh_OEM_Period},
        {191, K::kh_OEM_2}, {192, K::kh_OEM_3}, {219, K::kh_OEM_4}, {223, K::kh_OEM_8},
        {255, K::kh_255},
        // Gaps between the runs and values outside 0..255.
        {0, K::kh_None}, {7, K::kh_None}, {10, K::kh_None}, {14, K::kh_None},
        {21, K::kh_None}, {42, K::kh_None}, {59, K::kh_None}, {64, K::kh_None},
        {94, K::kh_None}, {136, K::kh_None}, {146, K::kh_None}, {184, K::kh_None},
        {193, K::kh_None}, {218, K::kh_None}, {224, K::kh_None}, {254, K::kh_None},
        {-1, K::kh_None}, {256, K::kh_None}, {0x10D, K::kh_None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HookKeyForVirtualKey(c.virtualKey), c.key) << c.virtualKey;
}

TEST(KeyboardHookKeyTest, VirtualKeyNameIsTheNameOfItsKey)
{
    const struct {
        int virtualKey;
        const char* name;
    } cases[] = {
        {13, "Enter"}, {58, "9"}, {96, "0 (numeric pad)"}, {160, "Left Shift"},
        {183, "Launch_App2"}, {223, "OEM_8"}, {255, "255"}, {0, "None"}, {300, "None"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeyName(c.virtualKey), QString::fromLatin1(c.name)) << c.virtualKey;
}

}  // namespace
}  // namespace orvex
