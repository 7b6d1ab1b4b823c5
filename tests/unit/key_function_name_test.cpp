#include "keys/KeyFunctionName.h"

#include "key_test_language.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

struct NameCase {
    const char* code;
    const char* name;
};

class KeyFunctionNameTest : public ::testing::Test {
protected:
    QString Name(const char* code) const
    {
        return KeyFunctionName(QString::fromLatin1(code), m_english, m_macros);
    }

    void ExpectNames(std::initializer_list<NameCase> cases) const
    {
        for (const NameCase& c : cases)
            EXPECT_EQ(Name(c.code), QString::fromUtf8(c.name)) << c.code;
    }

    LanguageTable m_english = testing::EnglishFunctionNames();
    // Slot 2 is empty.
    DeviceMacroNames m_macros{QStringLiteral("Macro One"), QString(),
                              QStringLiteral("Macro Three"), QStringLiteral("Macro Four"),
                              QStringLiteral("Macro Five"), QStringLiteral("Macro Six"),
                              QStringLiteral("Macro Seven")};
};

TEST_F(KeyFunctionNameTest, FixedCodesAreNamedByTheirNameIds)
{
    ExpectNames({
        {"010100", "Left Key"}, {"010200", "Right Key"}, {"010400", "Middle Key"},
        {"010800", "Back"}, {"011000", "Forward"}, {"0600F0", "Fire Key"},
        {"090000", "LED Switch"}, {"000000", "Key Off"}, {"0F0000", "KB Switch Key"},
        {"100000", "LED Switch Key"}, {"050000", "DPI Loop"}, {"070000", "DPI +"},
        {"080000", "DPI -"}, {"030194", "My Computer"}, {"030192", "Calculator"},
        {"03018A", "E-Mail"}, {"020807", "Desktop"}, {"0300CD", "Play/Pause"},
        {"0300B7", "Stop"}, {"0300B6", "Previous Track"}, {"0300B5", "Next Track"},
        {"0300E9", "Volume +"}, {"0300EA", "Volume -"}, {"0300E2", "Mute"},
        {"030223", "Home"}, {"030221", "Search"}, {"030224", "WWW Back"},
        {"030225", "WWW Forward"}, {"030226", "Stop"}, {"030227", "Refresh"},
        {"03022A", "Favorites"},
        // The hidden function has no text in the shipped tables.
        {"0D0000", ""},
    });
}

TEST_F(KeyFunctionNameTest, AnyAimCodeIsTheAimKey)
{
    ExpectNames({{"0A0000", "AIM Key"}, {"0A0500", "AIM Key"}, {"0A0A00", "AIM Key"},
                 {"0AFF00", "AIM Key"}, {"0A05FF", "AIM Key"}});
}

TEST_F(KeyFunctionNameTest, KeyboardCodesNameModifiersInFixedOrderThenTheKey)
{
    ExpectNames({
        {"020104", "Ctrl+A"},
        {"020300", "Ctrl+Shift+"},
        {"020800", "Win+"},
        {"020000", ""},
        {"020007", "D"},
        {"02082C", "Win+Space bar"},
        {"020F3A", "Ctrl+Shift+Alt+Win+F1"},
        {"020662", "Shift+Alt+0 (numeric pad)"},
        {"0201E1", "Ctrl+Left Shift"},
        {"0205C3", "Ctrl+Alt+Media_Play_Pause"},
        // Bits above Win are no modifiers; an unnamed usage adds nothing.
        {"02F004", "A"},
        {"020132", "Ctrl+"},
        {"020032", ""},
    });
}

TEST_F(KeyFunctionNameTest, DeviceMacroCodesAreNamedAfterTheirSlot)
{
    ExpectNames({
        {"060121", "Macro One"}, {"0E0121", "Macro One"}, {"060321", "Macro Three"},
        {"060721", "Macro Seven"}, {"0E0721", "Macro Seven"},
        // An empty slot, addresses that are no slot start, the fire key's
        // address with the run-until-release type.
        {"060221", ""}, {"060122", ""}, {"060021", ""}, {"060821", ""}, {"0E00F0", ""},
        {"060000", ""},
    });
}

TEST_F(KeyFunctionNameTest, OtherTypesAreUnnamed)
{
    ExpectNames({{"010300", ""}, {"010000", ""}, {"040000", ""}, {"0B0000", ""},
                 {"0300CE", ""}, {"110000", ""}, {"FF0000", ""}, {"FFFFFF", ""}});
}

TEST_F(KeyFunctionNameTest, FireMacrosAreUnnamedWithTheShippedTexts)
{
    ExpectNames({{"0C0101", ""}, {"0C0607", ""}, {"0C080A", ""}, {"0C0707", ""}});
}

TEST_F(KeyFunctionNameTest, FireMacrosAndTheHiddenFunctionAreNamedWhenTheTableHasTexts)
{
    m_english.insert(QStringLiteral("Str223"), QStringLiteral("Special"));
    for (int i = 0; i <= 6; ++i)
        m_english.insert(QStringLiteral("Str60%1").arg(i), QStringLiteral("Fire %1").arg(i));
    ExpectNames({
        {"0D0000", "Special"}, {"0C0101", "Fire 0"}, {"0C0505", "Fire 4"},
        {"0C0606", "Fire 5"}, {"0C0607", "Fire 5"}, {"0C0808", "Fire 6"},
        {"0C0809", "Fire 6"}, {"0C080A", "Fire 6"},
        {"0C0707", ""}, {"0C0102", ""},
    });
}

TEST_F(KeyFunctionNameTest, TextsThatAreNoUpperCaseCodeAreUnnamed)
{
    ExpectNames({
        {"0300cd", ""}, {"0600f0", ""}, {"0a0500", ""}, {"02010a", ""},
        {"", ""}, {"0A", ""}, {"0A05", ""}, {"0300C", ""}, {"0300CD0", ""}, {"0300CD ", ""},
        {" 0300C", ""}, {"03 0CD", ""}, {"0AZZ00", ""}, {"GGGGGG", ""}, {"-10104", ""},
        {"+10104", ""},
    });
    // Digits outside ASCII must not be read as hex digits.
    const QString arabicIndicDigits = QString::fromUtf8("٠٢٠١٠٤");
    EXPECT_TRUE(KeyFunctionName(arabicIndicDigits, m_english, m_macros).isEmpty());
}

TEST_F(KeyFunctionNameTest, NamesComeFromTheGivenLanguage)
{
    const LanguageTable chinese = testing::MakeLanguageTable(
        {{"Str222", "瞄准键"}, {"Str243", "显示桌面"}, {"Str210", "左键"}});
    const struct {
        const char* code;
        const char* name;
    } cases[] = {
        {"0A0300", "瞄准键"}, {"020807", "显示桌面"}, {"010100", "左键"},
        // Keyboard names are fixed English texts in every language.
        {"020104", "Ctrl+A"},
        // Ids the table lacks read as the empty text.
        {"010200", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeyFunctionName(QString::fromLatin1(c.code), chinese, m_macros),
                  QString::fromUtf8(c.name))
            << c.code;
}

TEST(IsAimKeyCodeTest, OnlyWellFormedCodesOfTypeAim)
{
    const struct {
        const char* text;
        bool aim;
    } cases[] = {
        {"0A0000", true}, {"0A0A00", true}, {"0AFF00", true},
        {"0a0500", false}, {"0A05", false}, {"0AZZ00", false}, {"", false},
        {"010100", false}, {"A00000", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsAimKeyCode(QString::fromLatin1(c.text)), c.aim) << c.text;
}

}  // namespace
}  // namespace orvex
