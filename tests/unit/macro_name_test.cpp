#include "macro/MacroName.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

MacroNameField FieldOf(std::initializer_list<Byte> bytes)
{
    MacroNameField field{};
    std::copy(bytes.begin(), bytes.end(), field.begin());
    return field;
}

TEST(MacroNameTest, EncodesUtf16HighByteFirstAndZeroFills)
{
    const MacroNameField field = EncodeMacroName(QStringLiteral("Go\u8FDE"));
    EXPECT_EQ(field, FieldOf({0x00, 'G', 0x00, 'o', 0x8F, 0xDE}));
    EXPECT_EQ(DecodeMacroName(field), QStringLiteral("Go\u8FDE"));
}

TEST(MacroNameTest, KeepsSixteenUnits)
{
    const QString sixteen = QStringLiteral("ABCDEFGHIJKLMNOP");
    const MacroNameField field = EncodeMacroName(sixteen + QStringLiteral("QR"));
    EXPECT_EQ(DecodeMacroName(field), sixteen);
    EXPECT_EQ(field[30], 0x00);
    EXPECT_EQ(field[31], 'P');
}

TEST(MacroNameTest, DoesNotCutASurrogatePairInHalf)
{
    // U+1F3AF needs two units; as units 16 and 17 it cannot be kept.
    const QString name = QStringLiteral("ABCDEFGHIJKLMNO") + QString::fromUcs4(U"\U0001F3AF");
    const MacroNameField field = EncodeMacroName(name);
    EXPECT_EQ(DecodeMacroName(field), QStringLiteral("ABCDEFGHIJKLMNO"));
    EXPECT_EQ(field[30], 0x00);
    EXPECT_EQ(field[31], 0x00);

    const QString fits = QStringLiteral("ABCDEFGHIJKLMN") + QString::fromUcs4(U"\U0001F3AF");
    EXPECT_EQ(DecodeMacroName(EncodeMacroName(fits)), fits);
}

TEST(MacroNameTest, DecodeStopsAtTheFirstZeroUnit)
{
    EXPECT_EQ(DecodeMacroName(FieldOf({0x00, 'A', 0x00, 0x00, 0x00, 'B'})), QStringLiteral("A"));
    // A zero high byte alone is not the end.
    EXPECT_EQ(DecodeMacroName(FieldOf({0x01, 0x00, 0x00, 'B'})), QStringLiteral("\u0100B"));
    EXPECT_EQ(DecodeMacroName(MacroNameField{}), QString());
}

TEST(MacroNameTest, EmptyNames)
{
    const struct {
        MacroNameField field;
        bool emptyDevice;
        bool emptyLibrary;
    } cases[] = {
        {FieldOf({0x00, 0x00, 0x00, 'A'}), true, true},
        {FieldOf({0xFF, 0xFF}), true, false},  // erased EEPROM
        {FieldOf({0x00, 0xFF}), false, false},
        {FieldOf({0xFF, 0x00}), false, false},
        {FieldOf({0x00, 'A'}), false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsEmptyDeviceName(c.field), c.emptyDevice) << int(c.field[0]) << "," << int(c.field[1]);
        EXPECT_EQ(IsEmptyLibraryName(c.field), c.emptyLibrary) << int(c.field[0]) << "," << int(c.field[1]);
    }
}

}  // namespace
}  // namespace orvex
