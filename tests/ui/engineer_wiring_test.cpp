#include <QComboBox>

#include "DeviceWindowFixture.h"
#include "app/Navigation.h"
#include "perf/EngineerPage.h"

namespace orvex::testing {
namespace {

using EngineerWiring = DeviceWindowTest;

TEST_F(EngineerWiring, TheEngineerPageShowsTheImageAndOpensInItsOwnSize)
{
    ConnectMouse();
    // Factory image 1: 6 levels, current level 2.
    EXPECT_EQ(Find<QComboBox>(QStringLiteral("cb_CPIStep"))->currentIndex(), 4);
    EXPECT_EQ(Find<QComboBox>(QStringLiteral("cb_CurrentCPI"))->currentIndex(), 1);
    EXPECT_EQ(Find<QWidget>(QStringLiteral("btn_Key109"))->property("text").toString(), QStringLiteral("火力键"));

    controller->Pages().OpenPage(CurrentPage::Engineer);
    EXPECT_EQ(window->VisiblePage(), 6);
    EXPECT_EQ(window->size(), QSize(1076, 640));
    EXPECT_TRUE(window->mask().isEmpty());
    // Its own page buttons lead back.
    Click(QStringLiteral("Btn_Adv_6"));
    EXPECT_EQ(window->VisiblePage(), 2);
    EXPECT_EQ(window->size(), QSize(1030, 660));
}

TEST_F(EngineerWiring, EngineerEditsAreWhatApplyWrites)
{
    ConnectMouse();
    Find<QComboBox>(QStringLiteral("cb_CPIStep"))->setCurrentIndex(1);  // 3 levels
    EXPECT_EQ(state->Settings().cpiLevelCount, 1);
    AndWait([this] { Click(QStringLiteral("Btn_Apply_1")); });
    EXPECT_EQ(Mouse().Eeprom()[2], 3);
}

TEST_F(EngineerWiring, TheModeTabsShowOnTheKeyModeBox)
{
    ConnectMouse();
    Click(QStringLiteral("Btn_Second_1"));
    EXPECT_EQ(Find<QComboBox>(QStringLiteral("cb_KeyMode"))->currentIndex(), 1);
}

TEST_F(EngineerWiring, TheRestoreDefaultsButtonWritesDefaultsAndKeepsTheGapBytes)
{
    ImageBuffer eeprom = Mouse().Eeprom();
    eeprom[0x3A] = 0x42;  // a gap byte
    eeprom[0x150] = 0x33;  // in the macro area
    Mouse().SetEeprom(eeprom);
    ConnectMouse();
    AndWait([this] { window->Engineer()->defaultClicked(); });
    const ImageBuffer written = Mouse().Eeprom();
    EXPECT_EQ(written[0x3A], 0x42);
    EXPECT_EQ(written[0x150], 0x00);
    EXPECT_EQ(written[2], 0x04);  // the default 4 levels
    EXPECT_TRUE(Find<QWidget>(QStringLiteral("Img_Result"))->isVisibleTo(window->Engineer()));
}

}  // namespace
}  // namespace orvex::testing
