#include "macro/DeviceMacroSlots.h"

#include <gtest/gtest.h>

#include <set>

#include "macro/MacroName.h"

namespace orvex {
namespace {

// Button codes in which the given slots are run by buttons of Mode A and
// Mode B in turn; every other button is a left click.
ButtonCodeTexts CodesUsing(const std::set<int>& slots)
{
    ButtonCodeTexts codes;
    codes.fill(QStringLiteral("010100"));
    int i = 0;
    for (const int slot : slots) {
        const int button = (i % 2) * 9 + i / 2;  // Mode A button 1, Mode B button 1, ...
        codes[button] = MacroReferenceCode(slot, i % 2 ? ReleaseMode::Stop : ReleaseMode::Continue);
        ++i;
    }
    return codes;
}

DeviceMacroSlots NamedSlots()
{
    DeviceMacroSlots slots;
    for (int i = 0; i < kDeviceSlotCount; ++i)
        slots.names[i] = EncodeMacroName(QStringLiteral("Macro %1").arg(i + 1));
    return slots;
}

MacroRecord ValidRecord()
{
    // 01 0A FD 04 A1 FE 0A 21 FA 02 FC 97
    MacroRecord record{};
    const Byte bytes[] = {0x01, 0x0A, 0xFD, 0x04, 0xA1, 0xFE, 0x0A, 0x21, 0xFA, 0x02, 0xFC, 0x97};
    std::copy(std::begin(bytes), std::end(bytes), record.begin());
    return record;
}

TEST(DeviceMacroSlotsTest, SplitAndRebuildUseTheSlotLayout)
{
    MacroArea area{};
    for (std::size_t i = 0; i < area.size(); ++i)
        area[i] = static_cast<Byte>(i * 7 + i / 256);
    const DeviceMacroSlots slots = SplitMacroArea(area);
    // Slot 3: name at EEPROM 0x300, record at 0x320, i.e. area offsets 0x200 and 0x220.
    EXPECT_EQ(slots.names[2][0], area[0x200]);
    EXPECT_EQ(slots.names[2][31], area[0x21F]);
    EXPECT_EQ(slots.records[2][0], area[0x220]);
    EXPECT_EQ(slots.records[2][223], area[0x2FF]);
    EXPECT_EQ(slots.records[6][223], area[0x6FF]);
    EXPECT_EQ(RefreshBaseMacroBuf(slots), area);
}

TEST(DeviceMacroSlotsTest, CheckClearsBadRecordsAndKeepsNames)
{
    DeviceMacroSlots slots = NamedSlots();
    slots.records[0] = ValidRecord();
    slots.records[1] = ValidRecord();
    slots.records[1][4] = 0xA2;  // checksum no longer matches
    slots.records[2] = ValidRecord();
    slots.records[2][1] = 223;  // no room for a checksum
    slots.records[3].fill(0xFF);  // erased EEPROM
    const DeviceMacroSlots before = slots;

    CheckMacroContentBuf(slots);
    EXPECT_EQ(slots.names, before.names);
    EXPECT_EQ(slots.records[0], ValidRecord());
    for (int i = 1; i < kDeviceSlotCount; ++i)
        EXPECT_EQ(slots.records[i], MacroRecord{}) << i;
}

TEST(DeviceMacroSlotsTest, SlotNamesAreEmptyForEmptySlots)
{
    DeviceMacroSlots slots = NamedSlots();
    slots.names[1] = MacroNameField{};
    slots.names[4].fill(0xFF);
    const std::array<QString, 7> names = SlotNames(slots);
    EXPECT_EQ(names[0], QStringLiteral("Macro 1"));
    EXPECT_EQ(names[1], QString());
    EXPECT_EQ(names[4], QString());
    EXPECT_EQ(names[6], QStringLiteral("Macro 7"));
}

TEST(MacroReferenceCodeTest, CodesBySlotAndReleaseMode)
{
    EXPECT_EQ(MacroReferenceCode(1, ReleaseMode::Continue), QStringLiteral("060121"));
    EXPECT_EQ(MacroReferenceCode(1, ReleaseMode::Stop), QStringLiteral("0E0121"));
    EXPECT_EQ(MacroReferenceCode(7, ReleaseMode::Continue), QStringLiteral("060721"));
    EXPECT_EQ(MacroReferenceCode(7, ReleaseMode::Stop), QStringLiteral("0E0721"));
    EXPECT_EQ(MacroReferenceCode(0, ReleaseMode::Stop), QString());
    EXPECT_EQ(MacroReferenceCode(8, ReleaseMode::Stop), QString());
}

TEST(SlotInUseTest, OnlyMacroCodesWithTheSlotAddressCount)
{
    ButtonCodeTexts codes;
    codes.fill(QStringLiteral("000000"));
    codes[17] = QStringLiteral("0E0321");  // last Mode B button
    codes[0] = QStringLiteral("070421");   // not a macro code
    codes[1] = QStringLiteral("060522");   // not a slot address
    EXPECT_TRUE(SlotInUse(3, codes));
    EXPECT_FALSE(SlotInUse(4, codes));
    EXPECT_FALSE(SlotInUse(5, codes));
    EXPECT_FALSE(SlotInUse(1, codes));
    codes[8] = QStringLiteral("060121");
    EXPECT_TRUE(SlotInUse(1, codes));
}

TEST(FindBaseMacroIndexTest, SlotRule)
{
    const struct {
        const char* what;
        std::set<int> used;
        int nameSlot;  // the slot whose name the library macro has, 0 for none
        int expected;
    } cases[] = {
        {"nothing in use", {}, 0, 1},
        {"{2}", {2}, 0, 1},
        {"{1, 3}", {1, 3}, 0, 2},
        {"{5, 6}", {5, 6}, 0, 7},
        {"{1, 2, 3}", {1, 2, 3}, 0, 4},
        {"all in use", {1, 2, 3, 4, 5, 6, 7}, 0, kNoMacroSlot},
        {"{3}: the count is free", {3}, 0, 1},
        {"{1, 2, 5, 6, 7}: the count is in use, first free", {1, 2, 5, 6, 7}, 0, 3},
        {"{1, 4, 5, 6, 7}: the count is in use, first free", {1, 4, 5, 6, 7}, 0, 2},
        {"{1, 2, 6, 7}: the count is free", {1, 2, 6, 7}, 0, 4},
        {"{1, 2, 3, 6}: last slot between used and edge", {1, 2, 3, 6}, 0, 7},
        {"name match wins without a gap", {1, 2, 3}, 2, 2},
        {"name match of a free slot", {1, 2, 3}, 6, 6},
        {"name match when all are in use", {1, 2, 3, 4, 5, 6, 7}, 4, 4},
        {"name match does not apply with a gap", {2}, 5, 1},
        {"name match does not apply with a gap, {1, 3}", {1, 3}, 3, 2},
    };
    for (const auto& c : cases) {
        DeviceMacroSlots slots = NamedSlots();
        MacroNameField libraryName = EncodeMacroName(QStringLiteral("Library macro"));
        if (c.nameSlot != 0)
            libraryName = slots.names[c.nameSlot - 1];
        EXPECT_EQ(FindBaseMacroIndex(CodesUsing(c.used), libraryName, slots), c.expected) << c.what;
    }
}

TEST(FindBaseMacroIndexTest, NameMustMatchExactlyOneSlot)
{
    DeviceMacroSlots slots = NamedSlots();
    const MacroNameField twice = EncodeMacroName(QStringLiteral("Twice"));
    slots.names[1] = twice;
    slots.names[4] = twice;
    EXPECT_EQ(FindBaseMacroIndex(CodesUsing({1, 2}), twice, slots), 3);

    // An empty name identifies no macro, even if one slot has an empty name.
    DeviceMacroSlots oneEmpty = NamedSlots();
    oneEmpty.names[0] = MacroNameField{};
    EXPECT_EQ(FindBaseMacroIndex(CodesUsing({1, 2}), MacroNameField{}, oneEmpty), 3);
}

TEST(FindBaseMacroIndexTest, TheAssignedButtonsOwnReferenceIsIgnored)
{
    // Button 5 of Mode A runs slot 3; the caller blanks it before asking, so
    // slot 3 is free for the new macro.
    ButtonCodeTexts codes = CodesUsing({1, 2});
    codes[4] = QStringLiteral("0E0321");
    EXPECT_EQ(FindBaseMacroIndex(codes, MacroNameField{}, NamedSlots()), 4);
    codes[4] = QStringLiteral("000000");
    EXPECT_EQ(FindBaseMacroIndex(codes, MacroNameField{}, NamedSlots()), 3);
}

}  // namespace
}  // namespace orvex
