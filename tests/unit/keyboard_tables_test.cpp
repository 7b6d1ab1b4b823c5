#include "keys/KeyboardTables.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(KeyUsageNameTest, NamesAcrossTheTable)
{
    const struct {
        Byte usage;
        const char* name;
    } cases[] = {
        {0x04, "A"}, {0x1D, "Z"}, {0x1E, "1"}, {0x26, "9"}, {0x27, "0"}, {0x2C, "Space bar"},
        {0x3A, "F1"}, {0x45, "F12"}, {0x68, "F13"}, {0x73, "F24"}, {0x59, "1 (numeric pad)"},
        {0x61, "9 (numeric pad)"}, {0x62, "0 (numeric pad)"}, {0xC0, "Media_Next_Track"},
        {0xD1, "Launch_Media_Select"}, {0xE3, "Win"}, {0xE7, "Win"}, {0xE5, "Right Shift"},
        // Unnamed usages.
        {0x00, ""}, {0x03, ""}, {0x32, ""}, {0x64, ""}, {0xCF, ""}, {0xD0, ""}, {0xE8, ""},
        {0xFF, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeyUsageName(c.usage), QString::fromLatin1(c.name)) << int(c.usage);
}

TEST(VirtualKeyToUsageTest, MapsTheKeyboardPage)
{
    const struct {
        int virtualKey;
        Byte usage;
    } cases[] = {
        {0x10, 0xE1}, {0xA0, 0xE1}, {0xA1, 0xE5}, {0x11, 0xE0}, {0x5C, 0xE7}, {0x30, 0x27},
        {0x31, 0x1E}, {0x39, 0x26}, {0x41, 0x04}, {0x5A, 0x1D}, {0x60, 0x62}, {0x69, 0x61},
        {0x70, 0x3A}, {0x87, 0x73}, {0xDE, 0x34}, {0xB5, 0xD1},
        // No usage: launch keys, unassigned keys, out of range.
        {0xB6, 0}, {0xB7, 0}, {0xDF, 0}, {0xFF, 0}, {0x00, 0}, {-1, 0}, {256, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeyToUsage(c.virtualKey), c.usage) << c.virtualKey;
}

}  // namespace
}  // namespace orvex
