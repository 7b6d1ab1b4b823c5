// The macro-name dialog and the three step dialogs of the macro editor.
#include <QLineEdit>
#include <QSignalSpy>

#include "DialogTestSupport.h"
#include "macro/MacroNameDialog.h"
#include "macro/StepDelayDialog.h"
#include "macro/StepKeyDialog.h"
#include "macro/StepValueDialog.h"

namespace orvex {
namespace {

using namespace orvex::testing;

class MacroDialogsTest : public ::testing::Test {
protected:
    std::unique_ptr<QWidget> m_main = MakeMainWindow();
};

TEST_F(MacroDialogsTest, MacroNameTakesAtMostSixteenCharacters)
{
    auto* dialog = new MacroNameDialog(3, m_main.get());
    dialog->Open();
    auto* edit = Child<QLineEdit>(dialog, "Edt_MacroName");
    EXPECT_EQ(edit->text(), "");
    QTest::keyClicks(edit, QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    EXPECT_EQ(edit->text(), "ABCDEFGHIJKLMNOP");
    edit->setText(QStringLiteral("一二三四五六七八九十一二三四五六七八"));
    EXPECT_EQ(edit->text().size(), 16);

    QSignalSpy confirmed(dialog, &MacroNameDialog::confirmed);
    Click(dialog, "IB_Confirm");
    ASSERT_EQ(confirmed.count(), 1);
    EXPECT_EQ(confirmed.at(0).at(0).toString(), QStringLiteral("一二三四五六七八九十一二三四五六"));
}

TEST_F(MacroDialogsTest, MacroNameSecondButtonClearsAndConfirmThenHandsOverTheEmptyName)
{
    auto* dialog = new MacroNameDialog(1, m_main.get());
    auto* edit = Child<QLineEdit>(dialog, "Edt_MacroName");
    QTest::keyClicks(edit, QStringLiteral("Buy"));
    Click(dialog, "IB_Cancel");
    EXPECT_EQ(edit->text(), "");
    QSignalSpy confirmed(dialog, &MacroNameDialog::confirmed);
    Click(dialog, "IB_Confirm");
    ASSERT_EQ(confirmed.count(), 1);
    EXPECT_EQ(confirmed.at(0).at(0).toString(), "");
}

struct TypingCase {
    const char* typed;
    const char* shown;
};

class DelayTypingTest : public MacroDialogsTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(DelayTypingTest, DelayIsHeldToItsRange)
{
    auto* dialog = new StepDelayDialog(3, m_main.get());
    auto* edit = Child<QLineEdit>(dialog, "Edt_EditTime");
    QTest::keyClicks(edit, QString::fromLatin1(GetParam().typed));
    EXPECT_EQ(edit->text(), QString::fromLatin1(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Typed, DelayTypingTest,
                         ::testing::Values(TypingCase{"3000", "2040"}, TypingCase{"2040", "2040"},
                                           TypingCase{"2041", "2040"}, TypingCase{"150", "150"},
                                           TypingCase{"1a-5", "15"}, TypingCase{"0", "0"}));

TEST_F(MacroDialogsTest, DelayEmptiedByTheUserShowsZero)
{
    auto* dialog = new StepDelayDialog(3, m_main.get());
    auto* edit = Child<QLineEdit>(dialog, "Edt_EditTime");
    QTest::keyClicks(edit, QStringLiteral("7"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "0");
    QTest::keyClicks(edit, QStringLiteral("5"));
    EXPECT_EQ(edit->text(), "5");

    QSignalSpy confirmed(dialog, &StepDelayDialog::confirmed);
    Click(dialog, "IB_Confirm");
    ASSERT_EQ(confirmed.count(), 1);
    EXPECT_EQ(confirmed.at(0).at(0).toString(), "5");
}

struct ValueTypingCase {
    StepEditKind kind;
    const char* typed;
    const char* shown;
    const char* handedOver;
};

class ValueTypingTest : public MacroDialogsTest, public ::testing::WithParamInterface<ValueTypingCase> {};

TEST_P(ValueTypingTest, ValueIsHeldToTheRangeOfItsStep)
{
    const ValueTypingCase& c = GetParam();
    auto* dialog = new StepValueDialog(c.kind, 3, m_main.get());
    auto* edit = Child<QLineEdit>(dialog, "Edt_EditTime");
    QTest::keyClicks(edit, QString::fromLatin1(c.typed));
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.shown));
    QSignalSpy confirmed(dialog, &StepValueDialog::confirmed);
    Click(dialog, "IB_Confirm");
    ASSERT_EQ(confirmed.count(), 1);
    EXPECT_EQ(confirmed.at(0).at(0).toString(), QString::fromLatin1(c.handedOver));
}

INSTANTIATE_TEST_SUITE_P(
    Typed, ValueTypingTest,
    ::testing::Values(ValueTypingCase{StepEditKind::MoveX, "127", "127", "127"},
                      ValueTypingCase{StepEditKind::MoveX, "128", "127", "127"},
                      ValueTypingCase{StepEditKind::MoveY, "-128", "-128", "-128"},
                      ValueTypingCase{StepEditKind::MoveY, "-129", "-128", "-128"},
                      ValueTypingCase{StepEditKind::MoveX, "-", "-", ""},
                      ValueTypingCase{StepEditKind::MoveX, "1-2x", "12", "12"},
                      ValueTypingCase{StepEditKind::RepeatStart, "300", "255", "255"},
                      ValueTypingCase{StepEditKind::RepeatStart, "0", "1", "1"},
                      ValueTypingCase{StepEditKind::RepeatStart, "-5", "1", "1"},
                      ValueTypingCase{StepEditKind::RepeatStart, "-", "-", ""}));

TEST_F(MacroDialogsTest, ValueSecondButtonLeavesTheEditEmpty)
{
    auto* dialog = new StepValueDialog(StepEditKind::MoveX, 3, m_main.get());
    dialog->Open();
    auto* edit = Child<QLineEdit>(dialog, "Edt_EditTime");
    QTest::keyClicks(edit, QStringLiteral("-40"));
    Click(dialog, "IB_Cancel");
    EXPECT_EQ(edit->text(), "");
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(MacroDialogsTest, KeyDialogShowsTheLastKeyAndHandsOverItsStepText)
{
    auto* dialog = new StepKeyDialog(StepEditKind::KeyRelease, 3, m_main.get());
    auto* edit = Child<QLineEdit>(dialog, "Edt_EditKey");
    QTest::keyClick(edit, Qt::Key_Q);
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(edit->text(), "A");
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(edit->text(), "Tab") << "Tab is a key of the step, not a focus move";
    QTest::keyClick(edit, Qt::Key_F5);
    EXPECT_EQ(edit->text(), "F5");

    QSignalSpy confirmed(dialog, &StepKeyDialog::confirmed);
    Click(dialog, "IB_Confirm");
    ASSERT_EQ(confirmed.count(), 1);
    EXPECT_EQ(confirmed.at(0).at(0).toString(), "F5");
    EXPECT_EQ(confirmed.at(0).at(1).toString(), "F5 CODE:023E");
}

TEST_F(MacroDialogsTest, KeyDialogTakesModifiersAsKeys)
{
    auto* dialog = new StepKeyDialog(StepEditKind::KeyPress, 3, m_main.get());
    auto* edit = Child<QLineEdit>(dialog, "Edt_EditKey");
    QTest::keyClick(edit, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(edit->text(), "Shift");
    QSignalSpy confirmed(dialog, &StepKeyDialog::confirmed);
    Click(dialog, "IB_Confirm");
    ASSERT_EQ(confirmed.count(), 1);
    EXPECT_EQ(confirmed.at(0).at(1).toString(), "Shift CODE:82E1");
}

TEST_F(MacroDialogsTest, KeyDialogClearedHandsOverNothing)
{
    auto* dialog = new StepKeyDialog(StepEditKind::KeyPress, 3, m_main.get());
    auto* edit = Child<QLineEdit>(dialog, "Edt_EditKey");
    QTest::keyClick(edit, Qt::Key_B);
    Click(dialog, "IB_Cancel");
    EXPECT_EQ(edit->text(), "");
    QSignalSpy confirmed(dialog, &StepKeyDialog::confirmed);
    Click(dialog, "IB_Confirm");
    ASSERT_EQ(confirmed.count(), 1);
    EXPECT_EQ(confirmed.at(0).at(0).toString(), "");
    EXPECT_EQ(confirmed.at(0).at(1).toString(), "");
}

}  // namespace
}  // namespace orvex
