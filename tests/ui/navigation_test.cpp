#include <QRadioButton>

#include "WindowFixture.h"
#include "app/Navigation.h"

namespace orvex::testing {
namespace {

using NavigationTest = WindowTest;

TEST_F(NavigationTest, WithoutAMousePageButtonsSayFindingTheDevice)
{
    controller->SwitchLanguage(3);
    window->UnlockPages();
    Click(QStringLiteral("Btn_Adv_1"));
    const auto boxes = Messages();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes.first()->text(), QStringLiteral("Finding the device"));
    EXPECT_EQ(boxes.first()->windowTitle(), QStringLiteral("V260 Gaming Mouse"));
    EXPECT_EQ(boxes.first()->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(window->VisiblePage(), 1);
}

TEST_F(NavigationTest, EachPageButtonShowsItsPageAndSelectsItsTab)
{
    controller->SetDeviceOpen(true);
    state->SetNoDevicePage(false);
    window->UnlockPages();
    const struct {
        const char* button;
        int page;
        const char* marker;
        const char* panel;
        const char* panelPicture;
    } cases[] = {
        {"Btn_Second_2", 1, "rb_2", "Img_P1", "L1_Back1"},
        {"Btn_Adv_1", 2, "rb_4", "Img_P2", "L1_Back2"},
        {"Btn_Breath_2", 3, "rb_5", "Img_P3", "L1_Back3"},
        {"Btn_Macro_3", 4, "rb_6", "Img_P4", "L1_Back4"},
        {"Btn_Main_4", 1, "rb_1", "Img_P1", "L1_Back1"},
    };
    for (const auto& c : cases) {
        Click(QLatin1String(c.button));
        EXPECT_EQ(window->VisiblePage(), c.page) << c.button;
        EXPECT_TRUE(Find<QRadioButton>(QLatin1String(c.marker))->isChecked()) << c.button;
        EXPECT_EQ(Picture(QLatin1String(c.panel)), QLatin1String(c.panelPicture)) << c.button;
        const QString tab = QLatin1String(c.button).mid(4).chopped(2);
        for (int copy = 1; copy <= 4; ++copy)
            EXPECT_EQ(Picture(QStringLiteral("Img_%1_%2").arg(tab).arg(copy)), QStringLiteral("SetS_03")) << c.button;
    }
    EXPECT_TRUE(Messages().isEmpty());
    // The Mode B tab chooses key mode B for the next write.
    Click(QStringLiteral("Btn_Second_1"));
    EXPECT_EQ(state->Settings().keyMode, 1);
}

TEST_F(NavigationTest, ALanguageSwitchKeepsThePage)
{
    controller->SetDeviceOpen(true);
    state->SetNoDevicePage(false);
    window->UnlockPages();
    Click(QStringLiteral("Btn_Breath_1"));
    controller->SwitchLanguage(3);
    EXPECT_EQ(window->VisiblePage(), 3);
    EXPECT_EQ(Picture(QStringLiteral("Img_P3")), QStringLiteral("L3_Back3"));
}

}  // namespace
}  // namespace orvex::testing
