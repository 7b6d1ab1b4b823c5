#include "WindowFixture.h"
#include <QTimer>

#include "ui/ButtonFamilies.h"

namespace orvex::testing {
namespace {

using ButtonFamiliesTest = WindowTest;

TEST_F(ButtonFamiliesTest, HoverChangesTheRightCopies)
{
    // Family A changes all four copies; family B only the hovered one.
    Enter(QStringLiteral("Btn_Apply_2"));
    for (int copy = 1; copy <= 4; ++copy)
        EXPECT_EQ(Picture(QStringLiteral("Img_Apply_%1").arg(copy)), QStringLiteral("BtnS_02"));
    Leave(QStringLiteral("Btn_Apply_2"));
    for (int copy = 1; copy <= 4; ++copy)
        EXPECT_EQ(Picture(QStringLiteral("Img_Apply_%1").arg(copy)), QStringLiteral("BtnS_01"));

    Enter(QStringLiteral("Btn_Adv_2"));
    EXPECT_EQ(Picture(QStringLiteral("Img_Adv_2")), QStringLiteral("SetS_02"));
    EXPECT_EQ(Picture(QStringLiteral("Img_Adv_1")), QStringLiteral("SetS_01"));
    Leave(QStringLiteral("Btn_Adv_2"));

    const struct {
        const char* label;
        const char* picture;
        const char* over;
        const char* normal;
    } families[] = {
        {"Btn_Exit_3", "Img_Exit_1", "ExitS_02", "ExitS_01"},
        {"Btn_Mini_1", "Img_Mini_4", "MiniS_02", "MiniS_01"},
        {"Key3", "Img_Key3", "KeyS_02", "KeyS_01"},
        {"Btn_New", "Img_New", "MacroS_02", "MacroS_01"},
        {"Btn_OK", "Img_OK", "MacroBtnS_02", "MacroBtnS_01"},
    };
    for (const auto& f : families) {
        Enter(QLatin1String(f.label));
        EXPECT_EQ(Picture(QLatin1String(f.picture)), QLatin1String(f.over)) << f.label;
        Leave(QLatin1String(f.label));
        EXPECT_EQ(Picture(QLatin1String(f.picture)), QLatin1String(f.normal)) << f.label;
    }
}

TEST_F(ButtonFamiliesTest, LeavingTheCurrentPageButtonKeepsItSelectedOnlyWithADevicePage)
{
    // While the no-device state is shown, leaving leaves the button normal.
    ASSERT_TRUE(state->NoDevicePage());
    Enter(QStringLiteral("Btn_Main_1"));
    Leave(QStringLiteral("Btn_Main_1"));
    EXPECT_EQ(Picture(QStringLiteral("Img_Main_1")), QStringLiteral("SetS_01"));

    state->SetNoDevicePage(false);
    Enter(QStringLiteral("Btn_Main_2"));
    Leave(QStringLiteral("Btn_Main_2"));
    for (int copy = 1; copy <= 4; ++copy)
        EXPECT_EQ(Picture(QStringLiteral("Img_Main_%1").arg(copy)), QStringLiteral("SetS_03"));
    // Leaving a language button brings back the current language's picture.
    Enter(QStringLiteral("Btn_Lang1_1"));
    Leave(QStringLiteral("Btn_Lang1_1"));
    EXPECT_EQ(Picture(QStringLiteral("Img_Lang1_1")), QStringLiteral("SetS_03"));
}

TEST_F(ButtonFamiliesTest, CaptionsRollOnlyWhenEnabled)
{
    controller->SwitchLanguage(3);
    ButtonFamilies& families = controller->Families();
    Enter(QStringLiteral("Btn_Apply_1"));
    EXPECT_TRUE(families.LabelRun()->isActive());
    families.RollCaption();  // TR_Enable 0 in the shipped layout
    EXPECT_EQ(Text(QStringLiteral("Btn_Apply_1")), QStringLiteral("Apply"));

    state->Skin().captionRolling = true;
    families.RollCaption();
    EXPECT_EQ(Text(QStringLiteral("Btn_Apply_1")), QStringLiteral("pply    A"));
    families.RollCaption();
    EXPECT_EQ(Text(QStringLiteral("Btn_Apply_1")), QStringLiteral("ply    Ap"));
    Leave(QStringLiteral("Btn_Apply_1"));
    EXPECT_FALSE(families.LabelRun()->isActive());
    EXPECT_EQ(Text(QStringLiteral("Btn_Apply_1")), QStringLiteral("Apply"));

    // A disabled label shows the hover picture but does not roll.
    Find(QStringLiteral("Btn_Read_1"))->setEnabled(false);
    Enter(QStringLiteral("Btn_Read_1"));
    EXPECT_EQ(Picture(QStringLiteral("Img_Read_1")), QStringLiteral("BtnS_02"));
    EXPECT_FALSE(families.LabelRun()->isActive());
}

TEST_F(ButtonFamiliesTest, PressedPictureOnAllCopies)
{
    controller->Families().ShowPressed(QStringLiteral("Apply"));
    for (int copy = 1; copy <= 4; ++copy)
        EXPECT_EQ(Picture(QStringLiteral("Img_Apply_%1").arg(copy)), QStringLiteral("BtnS_03"));
}

}  // namespace
}  // namespace orvex::testing

namespace orvex::testing {
namespace {

TEST_F(ButtonFamiliesTest, TheWebButtonOpensItsAddressOnlyWhenEnabled)
{
    QList<QUrl> opened;
    controller->SetUrlOpener([&](const QUrl& address) { opened << address; });
    // The hover pictures only while a mouse is open.
    Enter(QStringLiteral("Btn_Web_1"));
    EXPECT_EQ(Picture(QStringLiteral("Img_Web_1")), QStringLiteral("WebS_01"));
    controller->SetDeviceOpen(true);
    Enter(QStringLiteral("Btn_Web_1"));
    for (int copy = 1; copy <= 4; ++copy)
        EXPECT_EQ(Picture(QStringLiteral("Img_Web_%1").arg(copy)), QStringLiteral("WebS_03"));

    window->UnlockPages();
    Click(QStringLiteral("Btn_Web_1"));  // Web_Enable 0 as shipped
    EXPECT_EQ(Picture(QStringLiteral("Img_Web_2")), QStringLiteral("WebS_02"));
    EXPECT_TRUE(opened.isEmpty());

    state->Skin().webEnabled = true;
    Click(QStringLiteral("Btn_Web_1"));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first(), QUrl(state->Skin().webAddress));
}

}  // namespace
}  // namespace orvex::testing
