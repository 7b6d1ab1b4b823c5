// The combination-key dialog as the user drives it: keys pressed in the
// edit, modifier boxes ticked, confirm and clear.
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>

#include "DialogTestSupport.h"
#include "keys/AssemblyKeyDialog.h"

namespace orvex {
namespace {

using namespace orvex::testing;

class AssemblyKeyDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<QWidget> m_main = MakeMainWindow();
    AssemblyKeyDialog* m_dialog = new AssemblyKeyDialog(3, m_main.get());
    QLineEdit* m_edit = Child<QLineEdit>(m_dialog, "Edt_Assembly");

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_edit, key, modifiers);
    }
    void Tick(const char* box) { Click(m_dialog, QString::fromLatin1(box)); }

    // Confirms and returns (display text, code text).
    std::pair<QString, QString> Confirm()
    {
        QSignalSpy confirmed(m_dialog, &AssemblyKeyDialog::confirmed);
        Click(m_dialog, "IB_Confirm");
        EXPECT_EQ(confirmed.count(), 1);
        if (confirmed.count() != 1)
            return {};
        return {confirmed.at(0).at(0).toString(), confirmed.at(0).at(1).toString()};
    }
};

TEST_F(AssemblyKeyDialogTest, TickedModifiersAndAKeyMakeTheCode)
{
    Tick("CB_Ctrl");
    Tick("CB_Shift");
    EXPECT_EQ(m_edit->text(), "Ctrl+Shift");
    Press(Qt::Key_A);
    EXPECT_EQ(m_edit->text(), "Ctrl+Shift+A");
    EXPECT_EQ(Confirm(), std::pair(QStringLiteral("Ctrl+Shift+A"), QStringLiteral("020304")));
    EXPECT_FALSE(m_dialog->isVisible());
}

TEST_F(AssemblyKeyDialogTest, TypingInsertsNoTextAndANewKeyReplacesTheOld)
{
    Press(Qt::Key_A);
    Press(Qt::Key_B);
    EXPECT_EQ(m_edit->text(), "B");
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(m_edit->text(), "") << "a key with Ctrl held removes the key and is not taken";
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(m_edit->text(), "");
    Press(Qt::Key_D);
    Press(Qt::Key_Meta);
    EXPECT_EQ(m_edit->text(), "") << "Win is chosen with its box, the key only removes D";
    EXPECT_EQ(Confirm().second, "020000");
}

TEST_F(AssemblyKeyDialogTest, UntickingRemovesTheModifierFromTheText)
{
    Tick("CB_Ctrl");
    Tick("CB_Alt");
    Press(Qt::Key_A);
    ASSERT_EQ(m_edit->text(), "Ctrl+Alt+A");
    Tick("CB_Alt");
    EXPECT_EQ(m_edit->text(), "Ctrl+A");
    Tick("CB_Ctrl");
    EXPECT_EQ(m_edit->text(), "A");
    EXPECT_FALSE(Child<QCheckBox>(m_dialog, "CB_Ctrl")->isChecked());
    EXPECT_EQ(Confirm().second, "020004");
}

TEST_F(AssemblyKeyDialogTest, WinAloneConfirmsModifierOnlyCode)
{
    Tick("CB_Win");
    EXPECT_EQ(Confirm(), std::pair(QStringLiteral("Win"), QStringLiteral("020800")));
}

TEST_F(AssemblyKeyDialogTest, AKeyWithoutUsageShowsItsNameButConfirmsUsageZero)
{
    Press(Qt::Key_Launch0);
    EXPECT_EQ(m_edit->text(), "Launch_App1");
    EXPECT_EQ(Confirm(), std::pair(QStringLiteral("Launch_App1"), QStringLiteral("020000")));
}

TEST_F(AssemblyKeyDialogTest, ClearUnticksEverythingAndKeepsTheDialogOpen)
{
    m_dialog->Open();
    Tick("CB_Shift");
    Tick("CB_Win");
    Press(Qt::Key_F1);
    ASSERT_EQ(m_edit->text(), "Shift+Win+F1");
    Click(m_dialog, "IB_Cancel");
    EXPECT_EQ(m_edit->text(), "");
    for (const char* box : {"CB_Ctrl", "CB_Shift", "CB_Alt", "CB_Win"})
        EXPECT_FALSE(Child<QCheckBox>(m_dialog, box)->isChecked()) << box;
    EXPECT_TRUE(m_dialog->isVisible());
    Tick("CB_Ctrl");
    EXPECT_EQ(m_edit->text(), "Ctrl") << "the cleared key does not come back";
    EXPECT_EQ(Confirm(), std::pair(QStringLiteral("Ctrl"), QStringLiteral("020100")));
}

TEST_F(AssemblyKeyDialogTest, NothingEnteredConfirmsAnEmptyCombination)
{
    EXPECT_EQ(Confirm(), std::pair(QString(), QStringLiteral("020000")));
}

}  // namespace
}  // namespace orvex
