#include <QComboBox>
#include <QRadioButton>

#include "WindowFixture.h"

namespace orvex::testing {
namespace {

using LanguageSwitchTest = WindowTest;

TEST_F(LanguageSwitchTest, SwitchingChangesCaptionsPicturesAndTheMarker)
{
    controller->SwitchLanguage(3);
    EXPECT_EQ(state->LanguageNumber(), 3);
    EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("rb_Lang3"))->isChecked());
    for (int copy = 1; copy <= 4; ++copy) {
        EXPECT_EQ(Picture(QStringLiteral("Img_Lang3_%1").arg(copy)), QStringLiteral("SetS_03"));
        EXPECT_EQ(Picture(QStringLiteral("Img_Lang1_%1").arg(copy)), QStringLiteral("SetS_01"));
        EXPECT_EQ(Text(QStringLiteral("Btn_Apply_%1").arg(copy)), QStringLiteral("Apply"));
        EXPECT_EQ(Text(QStringLiteral("Btn_Engineer_%1").arg(copy)), QStringLiteral("Engineer"));
    }
    EXPECT_EQ(Text(QStringLiteral("Key1")), QStringLiteral("Left Key"));
    EXPECT_EQ(Text(QStringLiteral("Key_Left")), QStringLiteral(" * Left Key"));
    EXPECT_EQ(Text(QStringLiteral("IB_ComboKey1")), QStringLiteral("     Press 'Middle Key' 3s Switch Mode A/Mode B"));
    EXPECT_EQ(Text(QStringLiteral("IB_InsertRecDelay")), QStringLiteral("       Record Delay"));
    EXPECT_EQ(Picture(QStringLiteral("Img_Base_1")), QStringLiteral("L3_BackGround"));
}

TEST_F(LanguageSwitchTest, KeyLabelsAreTranslatedByTheirText)
{
    const struct {
        int from;
        const char* caption;  // UTF-8
        int to;
        const char* expected;
    } cases[] = {
        // "Back" matches Str213 only.
        {3, "Back", 1, "后退"},
        // "后退" matches Str213 and Str262; the last match wins.
        {1, "后退", 3, "WWW Back"},
        // "Stop" matches Str251, Str264 and Str401: the last is "Record"'s partner.
        {3, "Stop", 1, "停止记录"},
        // Key combinations and macro names keep their caption.
        {3, "Ctrl+A", 1, "Ctrl+A"},
        {1, "Rapid Fire", 3, "Rapid Fire"},
    };
    for (const auto& c : cases) {
        controller->SwitchLanguage(c.from);
        Find<QLabel>(QStringLiteral("Key2"))->setText(QString::fromUtf8(c.caption));
        controller->SwitchLanguage(c.to);
        EXPECT_EQ(Text(QStringLiteral("Key2")), QString::fromUtf8(c.expected)) << c.caption;
    }
}

TEST_F(LanguageSwitchTest, TheInsertListKeepsItsEntry)
{
    auto* actions = Find<QComboBox>(QStringLiteral("CB_Insert"));
    actions->setCurrentIndex(6);
    controller->SwitchLanguage(3);
    EXPECT_EQ(actions->currentIndex(), 6);
    EXPECT_EQ(actions->currentText(), QStringLiteral("Insert X axis Front"));
    controller->SwitchLanguage(1);
    EXPECT_EQ(actions->currentIndex(), 6);
    EXPECT_EQ(actions->itemText(0), QStringLiteral("在此之前延时"));
}

}  // namespace
}  // namespace orvex::testing
