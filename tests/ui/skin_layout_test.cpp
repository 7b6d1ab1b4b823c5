#include "WindowFixture.h"

namespace orvex::testing {
namespace {

using SkinLayoutTest = WindowTest;

TEST_F(SkinLayoutTest, PlacesButtonsByTheRules)
{
    // Picture buttons: the label lies on the picture with its size.
    const QWidget* picture = Find(QStringLiteral("Img_Apply_2"));
    EXPECT_EQ(picture->geometry(), QRect(820, 600, 110, 27));
    EXPECT_EQ(Find(QStringLiteral("Btn_Apply_2"))->geometry(), picture->geometry());
    // Enable flags: Confirm is off in layout 1.
    EXPECT_FALSE(Find(QStringLiteral("Btn_Confirm_1"))->isVisibleTo(window.get()));
    EXPECT_FALSE(Find(QStringLiteral("Img_Confirm_1"))->isVisibleTo(window.get()));
    // Inset page buttons (insets 0 in the shipped layouts).
    EXPECT_EQ(Find(QStringLiteral("Btn_Main_1"))->geometry(), QRect(110, 50, 110, 30));
    // Key labels take their state picture's size.
    EXPECT_EQ(Find(QStringLiteral("Key1"))->geometry(), QRect(140, 138, 170, 27));
    EXPECT_FALSE(Find(QStringLiteral("Key6"))->isVisibleTo(window.get()));
    // Check marks with captions: label two pixels higher.
    EXPECT_EQ(Find(QStringLiteral("Img_ComboKey1"))->pos(), QPoint(700, 470));
    EXPECT_EQ(Find(QStringLiteral("IB_ComboKey1"))->pos(), QPoint(700, 468));
}

TEST_F(SkinLayoutTest, PlacesScalesSwatchesAndOptionMarks)
{
    // Pointer speed: X 150, gap 0, 26-pixel segments; labels 4 px right, 24 px lower.
    EXPECT_EQ(Find(QStringLiteral("Img_Spd11"))->pos(), QPoint(410, 300));
    EXPECT_EQ(Find(QStringLiteral("lbl_Spd11"))->pos(), QPoint(414, 324));
    EXPECT_EQ(Find(QStringLiteral("lbl_IsControl"))->pos(), QPoint(304, 278));
    // A CPI bar of 20-pixel segments.
    EXPECT_EQ(Find(QStringLiteral("Img_DPI1_11"))->pos(), QPoint(802, 182));
    // Colour swatch: frame, shape and label on one place with the frame's size.
    const QRect swatch(844, 166, 32, 40);
    EXPECT_EQ(Find(QStringLiteral("Img_DPI1Col"))->geometry(), swatch);
    EXPECT_EQ(Find(QStringLiteral("cs_DPI1Col"))->geometry(), swatch);
    EXPECT_EQ(Find(QStringLiteral("lbl_DPI1Col"))->geometry(), swatch);
    // Option marks: label 4 left, 2 up.
    EXPECT_EQ(Find(QStringLiteral("Img_LEDOn"))->pos(), QPoint(240, 190));
    EXPECT_EQ(Find(QStringLiteral("lbl_LEDOn"))->pos(), QPoint(236, 188));
    // LED speed scale (gap 5, 26-pixel segments), labels small to large.
    EXPECT_EQ(Find(QStringLiteral("Img_MCULEDStep_2"))->pos(), QPoint(321, 423));
    EXPECT_EQ(Find(QStringLiteral("lbl_MCULEDStep_2"))->pos(), QPoint(321, 447));
    // Menus: widths from the layout.
    EXPECT_EQ(Find(QStringLiteral("Pnl_Main"))->width(), 190);
    EXPECT_EQ(Find(QStringLiteral("Key_Standard"))->width(), 186);
    EXPECT_EQ(Find(QStringLiteral("ST_Standard"))->x(), 166);
    EXPECT_EQ(Find(QStringLiteral("Pnl_Special"))->width(), 166);
    EXPECT_EQ(Find(QStringLiteral("Pnl_Media"))->width(), 154);
    // The macro page: boxes and their contents.
    EXPECT_EQ(Find(QStringLiteral("Gb_Delay"))->pos(), QPoint(616, 292));
    EXPECT_EQ(Find(QStringLiteral("LED_NoDelay"))->pos(), QPoint(20, 36 + 2 * 23));
    EXPECT_EQ(Find(QStringLiteral("Img_InsertBase"))->pos(), QPoint(626, 328));
    EXPECT_EQ(Find(QStringLiteral("lbl_Delay"))->pos(), QPoint(60, 57));
}

TEST_F(SkinLayoutTest, LayoutTwoReplacesEveryControl)
{
    controller->SwitchLanguage(2);
    EXPECT_EQ(Find(QStringLiteral("Img_Main_1"))->pos(), QPoint(50, 50));
    EXPECT_FALSE(Find(QStringLiteral("Btn_Confirm_3"))->isHidden());
    EXPECT_EQ(Find(QStringLiteral("Key9"))->pos(), QPoint(160, 394));
    EXPECT_EQ(Picture(QStringLiteral("Img_Base_1")), QStringLiteral("L2_BackGround"));
    controller->SwitchLanguage(1);
    EXPECT_EQ(Find(QStringLiteral("Img_Main_1"))->pos(), QPoint(110, 50));
    EXPECT_TRUE(Find(QStringLiteral("Btn_Confirm_3"))->isHidden());
}

TEST_F(SkinLayoutTest, FontsAndColoursFollowTheLayout)
{
    EXPECT_EQ(Find(QStringLiteral("Btn_Apply_1"))->font().pointSize(), 11);
    EXPECT_EQ(Find(QStringLiteral("Btn_Main_1"))->font().pointSize(), 12);
    EXPECT_EQ(Find(QStringLiteral("lbl_DPI1"))->font().pointSize(), 10);
    EXPECT_EQ(Find(QStringLiteral("lbl_AIMKey"))->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(Find(QStringLiteral("Btn_Main_1"))->font().families().first(), QStringLiteral("Microsoft YaHei"));
    controller->SwitchLanguage(3);
    EXPECT_EQ(Find(QStringLiteral("Btn_Main_1"))->font().families().first(), QStringLiteral("Arial Narrow"));
}

}  // namespace
}  // namespace orvex::testing

#include "ui/SkinGroups.h"
#include "ui/SkinPlacer.h"

namespace orvex::testing {
namespace {

TEST_F(SkinLayoutTest, ABadKeyStopsThePassAtThatKey)
{
    // Layout 1 with the Read button's X written wrongly.
    QList<LayoutSection> sections =
        ParseLayoutText(QByteArray("[org1]\r\nSize_A=11\r\nColor_A_R=1\r\nColor_A_G=2\r\nColor_A_B=3\r\n"
                                   "Btn_A1_Enable=1\r\nBtn_A1_X=400\r\nBtn_A1_Y=500\r\n"
                                   "Btn_A2_Enable=1\r\nBtn_A2_X=401\r\nBtn_A2_Y=501\r\n"
                                   "Btn_A8_Enable=1\r\nBtn_A8_X=4o2\r\nBtn_A8_Y=502\r\n"));
    const LayoutSection bad = FindLayoutSection(sections, QStringLiteral("org1"));
    const QPoint readBefore = Find(QStringLiteral("Img_Read_1"))->pos();
    SkinPlacer placer(window.get(), bad);
    try {
        ApplyWindowButtonGroups(placer);
        FAIL() << "a malformed value must stop the pass";
    } catch (const LayoutError& error) {
        EXPECT_EQ(error.Key(), QStringLiteral("Btn_A8_X"));
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QStringLiteral("Btn_A8_X")));
    }
    // What was placed before the bad key stays placed; the rest stays put.
    EXPECT_EQ(Find(QStringLiteral("Img_Confirm_1"))->pos(), QPoint(400, 500));
    EXPECT_EQ(Find(QStringLiteral("Img_Apply_3"))->pos(), QPoint(401, 501));
    EXPECT_EQ(Find(QStringLiteral("Img_Read_1"))->pos(), readBefore);
}

}  // namespace
}  // namespace orvex::testing
