// The table from Qt key events to Windows virtual keys.
#include <QKeyEvent>

#include <gtest/gtest.h>

#include "platform/QtVirtualKeys.h"

namespace orvex {
namespace {

struct StrokeCase {
    const char* what;
    QtKeyStroke stroke;
    int virtualKey;
};

class QtVirtualKeyTest : public ::testing::TestWithParam<StrokeCase> {};

TEST_P(QtVirtualKeyTest, MapsTheStroke)
{
    EXPECT_EQ(VirtualKeyForStroke(GetParam().stroke), GetParam().virtualKey) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, QtVirtualKeyTest,
    ::testing::Values(
        StrokeCase{"letter", {Qt::Key_A}, 0x41}, StrokeCase{"last letter", {Qt::Key_Z}, 0x5A},
        StrokeCase{"digit", {Qt::Key_7}, 0x37}, StrokeCase{"pad digit", {Qt::Key_7, true}, 0x67},
        StrokeCase{"shifted digit", {Qt::Key_Exclam}, 0x31},
        StrokeCase{"shifted zero", {Qt::Key_ParenRight}, 0x30},
        StrokeCase{"pad plus", {Qt::Key_Plus, true}, 0x6B}, StrokeCase{"plus", {Qt::Key_Plus}, 0xBB},
        StrokeCase{"pad enter", {Qt::Key_Enter, true}, 0x0D},
        StrokeCase{"pad slash", {Qt::Key_Slash, true}, 0x6F},
        StrokeCase{"pad home without Num Lock", {Qt::Key_Home, true}, 0x24},
        StrokeCase{"F1", {Qt::Key_F1}, 0x70}, StrokeCase{"F24", {Qt::Key_F24}, 0x87},
        StrokeCase{"F25 has no key", {Qt::Key_F25}, 0},
        StrokeCase{"back tab", {Qt::Key_Backtab}, 0x09},
        StrokeCase{"shift without side", {Qt::Key_Shift}, 0x10},
        StrokeCase{"right shift by keysym", {Qt::Key_Shift, false, 0, 0xFFE2}, 0xA1},
        StrokeCase{"right shift by key code", {Qt::Key_Shift, false, 62, 0}, 0xA1},
        StrokeCase{"left ctrl by keysym", {Qt::Key_Control, false, 37, 0xFFE3}, 0xA2},
        StrokeCase{"right alt", {Qt::Key_Alt, false, 108, 0xFFEA}, 0xA5},
        StrokeCase{"AltGr", {Qt::Key_AltGr, false, 108, 0xFE03}, 0xA5},
        StrokeCase{"super as meta", {Qt::Key_Meta}, 0x5B},
        StrokeCase{"right super", {Qt::Key_Super_R}, 0x5C},
        StrokeCase{"meta on the right", {Qt::Key_Meta, false, 134, 0}, 0x5C},
        StrokeCase{"key code of a letter is not a side", {Qt::Key_A, false, 62, 0}, 0x41},
        StrokeCase{"menu", {Qt::Key_Menu}, 0x5D}, StrokeCase{"tilde", {Qt::Key_AsciiTilde}, 0xC0},
        StrokeCase{"quote", {Qt::Key_Apostrophe}, 0xDE},
        StrokeCase{"play", {Qt::Key_MediaTogglePlayPause}, 0xB3},
        StrokeCase{"my computer", {Qt::Key_Launch0}, 0xB6},
        StrokeCase{"unknown", {Qt::Key_Hangul}, 0}));

TEST(QtVirtualKeyEventTest, ReadsKeyPadAndNativeCodesFromTheEvent)
{
    const QKeyEvent pad(QEvent::KeyPress, Qt::Key_3, Qt::KeypadModifier, 89, 0xFFB3, 0);
    EXPECT_EQ(VirtualKeyForEvent(pad), 0x63);
    const QKeyEvent rightCtrl(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, 105, 0xFFE4, 0);
    EXPECT_EQ(VirtualKeyForEvent(rightCtrl), 0xA3);
}

TEST(GenericVirtualKeyTest, SidedModifiersBecomeGeneric)
{
    const int sided[] = {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5};
    const int generic[] = {0x10, 0x10, 0x11, 0x11, 0x12, 0x12};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(GenericVirtualKey(sided[i]), generic[i]);
        EXPECT_TRUE(IsShiftCtrlAltKey(sided[i]));
    }
    EXPECT_EQ(GenericVirtualKey(0x5B), 0x5B);
    EXPECT_FALSE(IsShiftCtrlAltKey(0x5B));
    EXPECT_FALSE(IsShiftCtrlAltKey(0x13));
    EXPECT_TRUE(IsShiftCtrlAltKey(0x11));
}

}  // namespace
}  // namespace orvex
