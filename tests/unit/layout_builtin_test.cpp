#include "ui/LayoutResource.h"
#include "ui/SkinLayout.h"

#include <gtest/gtest.h>

#include <QSet>

namespace orvex {
namespace {

struct VariantKey {
    const char* key;
    int layouts1And3;
    int layout2;
};

// Every key the window and the dialogs read from a layout variant, in the
// order of the groups A, B, C, G, D, E, F, K, L, with its value in layouts 1
// and 3 and in layout 2. A key missing here in a resource would stop the
// appearance pass at start-up.
constexpr VariantKey kVariantKeys[] = {
    {"Size_A", 11, 11}, {"Color_A_R", 255, 255}, {"Color_A_G", 255, 255},
    {"Color_A_B", 255, 255}, {"Btn_A1_Enable", 0, 1}, {"Btn_A1_X", 2640, 2640},
    {"Btn_A1_Y", 560, 560}, {"Btn_A2_Enable", 1, 1}, {"Btn_A2_X", 820, 760},
    {"Btn_A2_Y", 600, 560}, {"Btn_A8_Enable", 0, 1}, {"Btn_A8_X", 310, 880},
    {"Btn_A8_Y", 560, 560}, {"Btn_A3_Enable", 1, 1}, {"Btn_A3_X", 310, 760},
    {"Btn_A3_Y", 600, 600}, {"Btn_A5_Enable", 0, 1}, {"Btn_A5_X", 180, 880},
    {"Btn_A5_Y", 600, 600}, {"Btn_A6_Enable", 0, 0}, {"Btn_A6_X", 310, 880},
    {"Btn_A6_Y", 600, 600}, {"Btn_A7_Enable", 1, 1}, {"Btn_A7_X", 950, 950},
    {"Btn_A7_Y", 10, 10}, {"Btn_A4_Enable", 1, 1}, {"Btn_A4_X", 980, 980}, {"Btn_A4_Y", 10, 10},
    {"Size_B", 12, 11}, {"Color_B_R", 255, 255}, {"Color_B_G", 255, 255},
    {"Color_B_B", 255, 255}, {"Btn_Space_F", 0, 0}, {"Btn_Space_B", 0, 0},
    {"Btn_B1_Enable", 1, 1}, {"Btn_B1_X", 110, 50}, {"Btn_B1_Y", 50, 50},
    {"Btn_B2_Enable", 1, 1}, {"Btn_B2_X", 240, 150}, {"Btn_B2_Y", 50, 50},
    {"Btn_B4_Enable", 1, 1}, {"Btn_B4_X", 370, 250}, {"Btn_B4_Y", 50, 50},
    {"Btn_B5_Enable", 1, 1}, {"Btn_B5_X", 500, 350}, {"Btn_B5_Y", 50, 50},
    {"Btn_B11_Enable", 1, 1}, {"Btn_B11_X", 630, 450}, {"Btn_B11_Y", 50, 50},
    {"Btn_B6_Enable", 0, 1}, {"Btn_B6_X", 50, 50}, {"Btn_B6_Y", 560, 560},
    {"Btn_B7_Enable", 0, 1}, {"Btn_B7_X", 180, 150}, {"Btn_B7_Y", 560, 560},
    {"Btn_B8_Enable", 1, 1}, {"Btn_B8_X", 780, 50}, {"Btn_B8_Y", 50, 600},
    {"Btn_B9_Enable", 0, 1}, {"Btn_B9_X", 150, 150}, {"Btn_B9_Y", 600, 600},
    {"Btn_B10_Enable", 1, 1}, {"Btn_B10_X", 905, 250}, {"Btn_B10_Y", 50, 600},
    {"Size_C", 11, 11}, {"Color_C_R", 255, 255}, {"Color_C_G", 255, 255},
    {"Color_C_B", 255, 255}, {"P1_X", 90, 100}, {"P1_Y", 130, 130}, {"Key1_Enable", 1, 1},
    {"Key1_X", 140, 160}, {"Key1_Y", 138, 138}, {"Key2_Enable", 1, 1}, {"Key2_X", 140, 160},
    {"Key2_Y", 186, 170}, {"Key3_Enable", 1, 1}, {"Key3_X", 140, 160}, {"Key3_Y", 233, 202},
    {"Key4_Enable", 1, 1}, {"Key4_X", 140, 160}, {"Key4_Y", 329, 266}, {"Key5_Enable", 1, 1},
    {"Key5_X", 140, 160}, {"Key5_Y", 282, 234}, {"Key6_Enable", 0, 1}, {"Key6_X", 140, 160},
    {"Key6_Y", 377, 298}, {"Key7_Enable", 1, 1}, {"Key7_X", 140, 160}, {"Key7_Y", 377, 330},
    {"Key8_Enable", 1, 1}, {"Key8_X", 140, 160}, {"Key8_Y", 427, 362}, {"Key9_Enable", 0, 1},
    {"Key9_X", 710, 160}, {"Key9_Y", 285, 394}, {"ComboKey1_Enable", 1, 1},
    {"ComboKey1_X", 700, 700}, {"ComboKey1_Y", 470, 430}, {"ComboKey2_Enable", 1, 1},
    {"ComboKey2_X", 700, 700}, {"ComboKey2_Y", 500, 460}, {"Size_G", 10, 10},
    {"Color_G_R", 255, 255}, {"Color_G_G", 255, 255}, {"Color_G_B", 255, 255},
    {"Color_G_Back_R", 0, 0}, {"Color_G_Back_G", 0, 0}, {"Color_G_Back_B", 0, 0},
    {"Color_G_Border_R", 0, 0}, {"Color_G_Border_G", 0, 0}, {"Color_G_Border_B", 0, 0},
    {"Color_G_SF_R", 255, 255}, {"Color_G_SF_G", 255, 255}, {"Color_G_SF_B", 255, 255},
    {"Color_G_SP_R", 49, 49}, {"Color_G_SP_G", 106, 106}, {"Color_G_SP_B", 198, 198},
    {"M_L_W", 190, 190}, {"SP_L_W", 166, 166}, {"O_L_W", 154, 154}, {"Size_D", 9, 9},
    {"Color_D_Selected_R", 255, 255}, {"Color_D_Selected_G", 0, 0},
    {"Color_D_Selected_B", 0, 0}, {"Color_D_notSelected_R", 255, 255},
    {"Color_D_notSelected_G", 255, 255}, {"Color_D_notSelected_B", 255, 255},
    {"Color_D_Back_R", 113, 113}, {"Color_D_Back_G", 111, 111}, {"Color_D_Back_B", 100, 100},
    {"Color_D_Border_R", 45, 45}, {"Color_D_Border_G", 114, 114},
    {"Color_D_Border_B", 189, 189}, {"P2_X", 98, 98}, {"P2_Y", 128, 128}, {"FKCnt_X", 264, 264},
    {"FKCnt_Y", 170, 170}, {"FKDelay_X", 264, 264}, {"FKDelay_Y", 202, 202},
    {"Spd_X", 150, 150}, {"Spd_Y", 300, 300}, {"Spd_D", 0, 0}, {"IsControl_X", 312, 312},
    {"IsControl_Y", 278, 278}, {"DbSpd_X", 150, 150}, {"DbSpd_Y", 374, 374}, {"DbSpd_D", 0, 0},
    {"ScrSpd_X", 150, 150}, {"ScrSpd_Y", 448, 448}, {"ScrSpd_D", 0, 0},
    {"IsScreen_X", 312, 312}, {"IsScreen_Y", 426, 426}, {"DPI1_Check_X", 506, 506},
    {"DPI1_Check_Y", 184, 184}, {"DPI1_X", 530, 530}, {"DPI1_Y", 182, 182},
    {"DPI1_Value_X", 566, 566}, {"DPI1_Value_Y", 182, 182}, {"DPI1_Steps_X", 602, 602},
    {"DPI1_Steps_Y", 182, 182}, {"DPI1_Steps_D", 0, 0}, {"DPI1_Color_X", 844, 844},
    {"DPI1_Color_Y", 166, 166}, {"DPI2_Check_X", 506, 506}, {"DPI2_Check_Y", 226, 226},
    {"DPI2_X", 530, 530}, {"DPI2_Y", 224, 224}, {"DPI2_Value_X", 566, 566},
    {"DPI2_Value_Y", 222, 222}, {"DPI2_Steps_X", 602, 602}, {"DPI2_Steps_Y", 222, 222},
    {"DPI2_Steps_D", 0, 0}, {"DPI2_Color_X", 844, 844}, {"DPI2_Color_Y", 210, 210},
    {"DPI3_Check_X", 506, 506}, {"DPI3_Check_Y", 266, 266}, {"DPI3_X", 530, 530},
    {"DPI3_Y", 264, 264}, {"DPI3_Value_X", 566, 566}, {"DPI3_Value_Y", 262, 262},
    {"DPI3_Steps_X", 602, 602}, {"DPI3_Steps_Y", 262, 262}, {"DPI3_Steps_D", 0, 0},
    {"DPI3_Color_X", 844, 844}, {"DPI3_Color_Y", 250, 250}, {"DPI4_Check_X", 506, 506},
    {"DPI4_Check_Y", 306, 306}, {"DPI4_X", 530, 530}, {"DPI4_Y", 304, 304},
    {"DPI4_Value_X", 566, 566}, {"DPI4_Value_Y", 302, 302}, {"DPI4_Steps_X", 602, 602},
    {"DPI4_Steps_Y", 302, 302}, {"DPI4_Steps_D", 0, 0}, {"DPI4_Color_X", 844, 844},
    {"DPI4_Color_Y", 290, 290}, {"DPI5_Check_X", 506, 506}, {"DPI5_Check_Y", 346, 346},
    {"DPI5_X", 530, 530}, {"DPI5_Y", 344, 344}, {"DPI5_Value_X", 566, 566},
    {"DPI5_Value_Y", 342, 342}, {"DPI5_Steps_X", 602, 602}, {"DPI5_Steps_Y", 342, 342},
    {"DPI5_Steps_D", 0, 0}, {"DPI5_Color_X", 844, 844}, {"DPI5_Color_Y", 330, 330},
    {"DPI6_Check_X", 506, 506}, {"DPI6_Check_Y", 384, 384}, {"DPI6_X", 530, 530},
    {"DPI6_Y", 382, 382}, {"DPI6_Value_X", 566, 566}, {"DPI6_Value_Y", 382, 382},
    {"DPI6_Steps_X", 602, 602}, {"DPI6_Steps_Y", 382, 382}, {"DPI6_Steps_D", 0, 0},
    {"DPI6_Color_X", 844, 844}, {"DPI6_Color_Y", 370, 370}, {"DPI7_Check_X", 8506, 506},
    {"DPI7_Check_Y", 8424, 424}, {"DPI7_X", 5000, 530}, {"DPI7_Y", 8422, 422},
    {"DPI7_Value_X", 8566, 566}, {"DPI7_Value_Y", 8422, 422}, {"DPI7_Steps_X", 8602, 602},
    {"DPI7_Steps_Y", 8422, 422}, {"DPI7_Steps_D", 8000, 0}, {"DPI7_Color_X", 8844, 844},
    {"DPI7_Color_Y", 8410, 410}, {"AIMKey_X", 503, 503}, {"AIMKey_Y", 8474, 474},
    {"AIMKey_Value_X", 566, 566}, {"AIMKey_Value_Y", 8478, 478}, {"AIMKey_Steps_X", 602, 602},
    {"AIMKey_Steps_Y", 8474, 474}, {"AIMKey_Steps_D", 0, 0}, {"Size_E", 9, 9},
    {"Color_E_R", 255, 255}, {"Color_E_G", 255, 255}, {"Color_E_B", 255, 255}, {"P3_X", 98, 98},
    {"P3_Y", 128, 128}, {"LEDOn_X", 240, 240}, {"LEDOn_Y", 190, 190}, {"LEDOff_X", 340, 340},
    {"LEDOff_Y", 190, 190}, {"MCPIOn_X", 544, 544}, {"MCPIOn_Y", 190, 190},
    {"MCPIOff_X", 643, 646}, {"MCPIOff_Y", 190, 190}, {"LEDSwitchOn_X", 240, 240},
    {"LEDSwitchOn_Y", 254, 254}, {"LEDSwitchOff_X", 340, 340}, {"LEDSwitchOff_Y", 254, 254},
    {"SaveKeyMode_X", 8544, 2544}, {"SaveKeyMode_Y", 254, 254}, {"NoSaveKeyMode_X", 2646, 2646},
    {"NoSaveKeyMode_Y", 254, 254}, {"MCULEDMode1_X", 220, 220}, {"MCULEDMode1_Y", 326, 326},
    {"MCULEDMode2_X", 304, 318}, {"MCULEDMode2_Y", 326, 326}, {"MCULEDMode3_X", 472, 420},
    {"MCULEDMode3_Y", 326, 326}, {"MCULEDMode4_X", 642, 517}, {"MCULEDMode4_Y", 326, 326},
    {"MCULEDMode5_X", 220, 617}, {"MCULEDMode5_Y", 363, 326}, {"MCULEDMode6_X", 377, 713},
    {"MCULEDMode6_Y", 363, 326}, {"MCULEDMode7_X", 533, 814}, {"MCULEDMode7_Y", 363, 326},
    {"MCULEDStep_X", 290, 256}, {"MCULEDStep_Y", 423, 388}, {"MCULEDStep_D", 5, 5},
    {"MCULEDNum_X", 256, 2256}, {"MCULEDNum_Y", 8450, 420}, {"MCULEDNum_D", 5, 5},
    {"KeyMode1_X", 3600, 3600}, {"KeyMode1_Y", 8840, 240}, {"KeyMode2_X", 730, 560},
    {"KeyMode2_Y", 230, 240}, {"Size_F", 9, 9}, {"Color_F_R", 255, 255},
    {"Color_F_G", 255, 255}, {"Color_F_B", 255, 255}, {"Color_F_LBack_R", 31, 31},
    {"Color_F_LBack_G", 31, 31}, {"Color_F_LBack_B", 31, 31}, {"Color_F_LBorder_R", 45, 45},
    {"Color_F_LBorder_G", 114, 114}, {"Color_F_LBorder_B", 189, 189},
    {"Color_F_Font_R", 255, 255}, {"Color_F_Font_G", 255, 255}, {"Color_F_Font_B", 255, 255},
    {"Color_F_Back_R", 0, 0}, {"Color_F_Back_G", 0, 0}, {"Color_F_Back_B", 0, 0},
    {"P4_X", 98, 98}, {"P4_Y", 128, 128}, {"MacroNameHeight", 20, 20},
    {"PCMacroName_X", 160, 160}, {"PCMacroName_Y", 176, 176}, {"PCMacroName_H", 304, 304},
    {"MacroContent_X", 400, 400}, {"MacroContent_Y", 176, 176}, {"BtnNew_X", 666, 666},
    {"BtnNew_Y", 176, 176}, {"BtnStart_X", 666, 666}, {"BtnStart_Y", 216, 216},
    {"DelayTime_X", 616, 616}, {"DelayTime_Y", 292, 292}, {"RecDelay_X", 20, 20},
    {"RecDelay_Y", 36, 36}, {"RecDelay_H", 23, 23}, {"DelayEdit_X", 137, 137},
    {"DelayEdit_Y", 60, 60}, {"ReleaseStop_X", 20, 20}, {"ReleaseStop_Y", 116, 116},
    {"ReleaseContinue_X", 20, 20}, {"ReleaseContinue_Y", 140, 140}, {"Insert_X", 616, 616},
    {"Insert_Y", 318, 318}, {"InsertList_X", 20, 20}, {"InsertList_Y", 4, 4},
    {"InsertRecDelay_X", 20, 20}, {"InsertRecDelay_Y", 34, 34}, {"InsertRecDelay_H", 23, 23},
    {"InsertDelayEdit_X", 134, 134}, {"InsertDelayEdit_Y", 55, 55},
    {"InsertAxisEdit_X", 134, 134}, {"InsertAxisEdit_Y", 55, 55}, {"InsertBtnStart_X", 30, 30},
    {"InsertBtnStart_Y", 104, 104}, {"InsertBtnOK_X", 30, 30}, {"InsertBtnOK_Y", 136, 136},
    {"InsertBtnCancel_X", 96, 96}, {"InsertBtnCancel_Y", 136, 136}, {"Size_K", 9, 9},
    {"Color_K_R", 255, 255}, {"Color_K_G", 255, 255}, {"Color_K_B", 255, 255},
    {"Color_K_AK_R", 0, 0}, {"Color_K_AK_G", 0, 0}, {"Color_K_AK_B", 0, 0}, {"AKT_X", 18, 18},
    {"AKT_Y", 25, 25}, {"AKC_X", 128, 128}, {"AKC_Y", 68, 68}, {"AKC_W", 240, 240},
    {"MK_C_X", 128, 128}, {"MK_C_Y", 96, 96}, {"MK_S_X", 190, 190}, {"MK_S_Y", 96, 96},
    {"MK_A_X", 256, 256}, {"MK_A_Y", 96, 96}, {"MK_W_X", 320, 320}, {"MK_W_Y", 96, 96},
    {"AK_Cfm_X", 128, 128}, {"AK_Cfm_Y", 134, 134}, {"AK_Clear_X", 270, 270},
    {"AK_Clear_Y", 134, 134}, {"AK_Close_X", 470, 470}, {"AK_Close_Y", 12, 12},
    {"Size_L", 9, 9}, {"Color_L_R", 255, 255}, {"Color_L_G", 255, 255}, {"Color_L_B", 255, 255},
    {"Color_L_MN_R", 0, 0}, {"Color_L_MN_G", 0, 0}, {"Color_L_MN_B", 0, 0}, {"MNT_X", 18, 18},
    {"MNT_Y", 25, 25}, {"MNC_X", 128, 128}, {"MNC_Y", 76, 76}, {"MNC_W", 240, 240},
    {"MN_Cfm_X", 128, 128}, {"MN_Cfm_Y", 134, 134}, {"MN_Clear_X", 270, 270},
    {"MN_Clear_Y", 134, 134}, {"MN_Close_X", 470, 470}, {"MN_Close_Y", 12, 12},
    {"NorLED_Tte_X", 18, 18}, {"NorLED_Tte_Y", 25, 25}, {"NorLED_Col_X", 60, 60},
    {"NorLED_Col_Y", 68, 68}, {"NorLED_Cfm_X", 128, 128}, {"NorLED_Cfm_Y", 154, 154},
    {"NorLED_Clear_X", 270, 270}, {"NorLED_Clear_Y", 154, 154}, {"NorLED_Close_X", 470, 470},
    {"NorLED_Close_Y", 12, 12},
};

// Present in the variants, read by nothing.
const QStringList kUnreadVariantKeys = {"Size_M", "Color_M_R", "Color_M_G", "Color_M_B"};

int ExpectedValue(const VariantKey& row, int variant)
{
    return variant == 2 ? row.layout2 : row.layouts1And3;
}

TEST(LayoutBuiltinTest, EveryVariantHoldsEveryKeyWithItsValue)
{
    for (int variant = 1; variant <= 3; ++variant) {
        const LayoutSection section = LoadLayoutSection(variant);
        EXPECT_EQ(section.Name(), QStringLiteral("org%1").arg(variant));
        for (const VariantKey& row : kVariantKeys) {
            try {
                EXPECT_EQ(section.Integer(row.key), ExpectedValue(row, variant))
                    << row.key << " in layout " << variant;
            } catch (const LayoutError& error) {
                ADD_FAILURE() << error.what();
            }
        }
        for (const QString& key : kUnreadVariantKeys)
            EXPECT_NO_THROW(section.Integer(key)) << qPrintable(key) << " in layout " << variant;
    }
}

TEST(LayoutBuiltinTest, VariantsHoldNoKeysBeyondTheKnownOnes)
{
    QSet<QString> known;
    for (const VariantKey& row : kVariantKeys)
        known.insert(QString::fromLatin1(row.key).toLower());
    for (const QString& key : kUnreadVariantKeys)
        known.insert(key.toLower());
    ASSERT_EQ(known.size(), int(std::size(kVariantKeys)) + kUnreadVariantKeys.size()) << "duplicate key in the table";
    for (int variant = 1; variant <= 3; ++variant) {
        const QStringList keys = LoadLayoutSection(variant).Keys();
        EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()), known) << "layout " << variant;
    }
}

TEST(LayoutBuiltinTest, Layouts1And3DifferOnlyInTheirName)
{
    const LayoutSection first = LoadLayoutSection(1);
    const LayoutSection third = LoadLayoutSection(3);
    EXPECT_EQ(first.Name(), "org1");
    EXPECT_EQ(third.Name(), "org3");
    QStringList firstKeys = first.Keys();
    QStringList thirdKeys = third.Keys();
    firstKeys.sort();
    thirdKeys.sort();
    ASSERT_EQ(firstKeys, thirdKeys);
    for (const QString& key : firstKeys)
        EXPECT_EQ(first.Text(key), third.Text(key)) << qPrintable(key);
}

TEST(LayoutBuiltinTest, Layout2MovesAndShowsWhatLayout1Hides)
{
    const LayoutSection first = LoadLayoutSection(1);
    const LayoutSection second = LoadLayoutSection(2);
    // The Mode A page button moves from X 110 to X 50.
    EXPECT_EQ(first.Integer("Btn_B1_X"), 110);
    EXPECT_EQ(second.Integer("Btn_B1_X"), 50);
    // Only layout 2 shows the Confirm button and the language 2 button.
    EXPECT_EQ(first.Integer("Btn_A1_Enable"), 0);
    EXPECT_EQ(second.Integer("Btn_A1_Enable"), 1);
    EXPECT_EQ(first.Integer("Btn_B9_Enable"), 0);
    EXPECT_EQ(second.Integer("Btn_B9_Enable"), 1);
    // The seventh CPI level is parked out of sight in layouts 1 and 3.
    EXPECT_EQ(first.Integer("DPI7_X"), 5000);
    EXPECT_EQ(first.Integer("DPI7_Steps_D"), 8000);
    EXPECT_EQ(second.Integer("DPI7_X"), 530);
    EXPECT_EQ(second.Integer("DPI7_Steps_D"), 0);
    EXPECT_EQ(second.Integer("DPI7_Check_Y"), 424);
}

TEST(LayoutBuiltinTest, GeneralSectionHoldsItsValues)
{
    const LayoutSection general = LoadLayoutSection(0);
    EXPECT_EQ(general.Name(), "org");
    const struct {
        const char* key;
        int value;
    } cases[] = {
        {"Web_Enable", 0}, {"Web_X", 50}, {"Web_Y", 575}, {"Rev_Manu_ID", 0}, {"Rev_Pro_ID", 0},
        {"TR_Enable", 0}, {"DPILED_Status", 1}, {"Num_Order", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(general.Integer(c.key), c.value) << c.key;
    EXPECT_TRUE(general.Text("Web").startsWith("https://"));
    EXPECT_TRUE(general.Has("Path"));
    EXPECT_EQ(general.Text("Path"), "");
}

TEST(LayoutBuiltinTest, SkinLayoutReadsFromTheBuiltInResources)
{
    SkinLayout layout;
    ReadGeneralSection(LoadLayoutSection(0), layout);
    EXPECT_FALSE(layout.webEnabled);
    EXPECT_EQ(layout.webX, 50);
    EXPECT_EQ(layout.webY, 575);
    EXPECT_TRUE(layout.sliderStyle);
    EXPECT_FALSE(layout.captionRolling);
    EXPECT_EQ(layout.numberOrder, 0);
    EXPECT_TRUE(layout.macroLibraryFolder.isEmpty());
    for (int variant = 1; variant <= 3; ++variant) {
        ReadVariantValues(LoadLayoutSection(variant), layout);
        EXPECT_EQ(layout.buttonSpaceFront, 0);
        EXPECT_EQ(layout.buttonSpaceBack, 0);
        EXPECT_EQ(layout.menuText, (Rgb{255, 255, 255}));
        EXPECT_EQ(layout.menuBackground, (Rgb{0, 0, 0}));
        EXPECT_EQ(layout.menuHoverText, (Rgb{255, 255, 255}));
        EXPECT_EQ(layout.menuHoverBackground, (Rgb{49, 106, 198}));
        EXPECT_EQ(layout.cpiSelected, (Rgb{255, 0, 0}));
        EXPECT_EQ(layout.cpiNotSelected, (Rgb{255, 255, 255}));
        EXPECT_EQ(layout.macroText, (Rgb{255, 255, 255}));
        EXPECT_EQ(layout.macroListText, (Rgb{255, 255, 255}));
        EXPECT_EQ(layout.macroButtonBackground, (Rgb{0, 0, 0}));
        EXPECT_EQ(layout.macroNameHeight, 20);
    }
}

}  // namespace
}  // namespace orvex
