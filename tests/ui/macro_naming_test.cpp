#include <QLineEdit>
#include <QListWidget>

#include "WindowFixture.h"
#include "app/MacroNaming.h"
#include "macro/MacroNameDialog.h"

namespace orvex::testing {
namespace {

using MacroNamingTest = WindowTest;

TEST_F(MacroNamingTest, TheNameDialogCreatesAndRefusesDuplicates)
{
    controller->SwitchLanguage(3);
    const int before = state->Library().Count();
    MacroNameDialog* dialog = controller->Naming().OpenNaming(-1);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), QStringLiteral("TForm3"));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("lbl_MacroName"))->text(), QStringLiteral("Macro Name"));
    dialog->findChild<QLineEdit*>(QStringLiteral("Edt_MacroName"))->setText(QStringLiteral("Smoke Throw"));
    QTest::mouseClick(dialog->findChild<QWidget*>(QStringLiteral("IB_Confirm")), Qt::LeftButton);

    EXPECT_EQ(state->Library().Count(), before + 1);
    auto* list = Find<QListWidget>(QStringLiteral("LB_PCMacroName"));
    EXPECT_EQ(list->count(), before + 1);
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("Smoke Throw"));

    // The same name again: "This macro already exists", nothing added.
    controller->Naming().ApplyMacroName(-1, QStringLiteral("Smoke Throw"));
    EXPECT_EQ(state->Library().Count(), before + 1);
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_EQ(Messages().first()->text(), QStringLiteral("This macro already exists"));
}

}  // namespace
}  // namespace orvex::testing
