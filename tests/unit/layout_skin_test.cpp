#include "ui/LayoutResource.h"
#include "ui/SkinLayout.h"

#include <gtest/gtest.h>

#include <QMap>

namespace orvex {
namespace {

using Values = QMap<QString, QString>;

// A section built from key/value pairs, written out and read back like a
// resource.
LayoutSection SectionOf(const QString& name, const Values& values)
{
    QByteArray text = "[" + name.toLatin1() + "]\r\n";
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        text += it.key().toLatin1() + "=" + it.value().toUtf8() + "\r\n";
    return FindLayoutSection(ParseLayoutText(text), name);
}

Values GeneralValues()
{
    return {
        {"Web_Enable", "0"}, {"Web", "https://orvex71.example/support"}, {"Web_X", "50"}, {"Web_Y", "575"},
        {"Rev_Manu_ID", "0"}, {"Rev_Pro_ID", "0"}, {"Path", ""}, {"TR_Enable", "0"},
        {"DPILED_Status", "1"}, {"Num_Order", "0"},
    };
}

Values VariantValues()
{
    Values values = {{"Btn_Space_F", "5"}, {"Btn_Space_B", "6"}, {"MacroNameHeight", "22"}};
    const char* const colours[] = {"Color_G", "Color_G_Back", "Color_G_SF", "Color_G_SP", "Color_D_Selected",
                                   "Color_D_notSelected", "Color_F", "Color_F_Font", "Color_F_Back"};
    int n = 0;
    for (const char* prefix : colours) {
        values.insert(QString::fromLatin1(prefix) + "_R", QString::number(n++));
        values.insert(QString::fromLatin1(prefix) + "_G", QString::number(n++));
        values.insert(QString::fromLatin1(prefix) + "_B", QString::number(n++));
    }
    return values;
}

TEST(RgbTest, CombinesAsOneWindowsValue)
{
    EXPECT_EQ((Rgb{0, 0, 0}).WindowsValue(), 0);
    EXPECT_EQ((Rgb{255, 0, 0}).WindowsValue(), 255);
    EXPECT_EQ((Rgb{0, 255, 0}).WindowsValue(), 255 * 256);
    EXPECT_EQ((Rgb{49, 106, 198}).WindowsValue(), 49 + 256 * 106 + 65536 * 198);
    EXPECT_EQ((Rgb{255, 255, 255}).WindowsValue(), 0xFFFFFF);
}

TEST(SkinLayoutGeneralTest, NumberOrderIsClampedToZeroOrOne)
{
    const struct {
        const char* text;
        int order;
    } cases[] = {{"-3", 0}, {"0", 0}, {"1", 1}, {"7", 1}};
    for (const auto& c : cases) {
        Values values = GeneralValues();
        values["Num_Order"] = c.text;
        SkinLayout layout;
        ReadGeneralSection(SectionOf("org", values), layout);
        EXPECT_EQ(layout.numberOrder, c.order) << c.text;
    }
}

TEST(SkinLayoutGeneralTest, FlagsAreSetOnlyByOne)
{
    const struct {
        const char* text;
        bool set;
    } cases[] = {{"1", true}, {"0", false}, {"2", false}, {"-1", false}};
    for (const auto& c : cases) {
        Values values = GeneralValues();
        values["Web_Enable"] = c.text;
        values["TR_Enable"] = c.text;
        values["DPILED_Status"] = c.text;
        SkinLayout layout;
        ReadGeneralSection(SectionOf("org", values), layout);
        EXPECT_EQ(layout.webEnabled, c.set) << c.text;
        EXPECT_EQ(layout.captionRolling, c.set) << c.text;
        EXPECT_EQ(layout.sliderStyle, c.set) << c.text;
    }
}

TEST(SkinLayoutGeneralTest, ReadsTextsAndIds)
{
    Values values = GeneralValues();
    values["Path"] = "/home/user/macros/";
    values["Rev_Manu_ID"] = "12145";
    values["Rev_Pro_ID"] = "113";
    values["Web_X"] = "-20";
    SkinLayout layout;
    ReadGeneralSection(SectionOf("org", values), layout);
    EXPECT_EQ(layout.macroLibraryFolder, "/home/user/macros/");
    EXPECT_EQ(layout.webAddress, "https://orvex71.example/support");
    EXPECT_EQ(layout.reservedVendorId, 12145);
    EXPECT_EQ(layout.reservedProductId, 113);
    EXPECT_EQ(layout.webX, -20);
}

TEST(SkinLayoutGeneralTest, StopsAtTheFirstBadKeyAndKeepsTheOldValues)
{
    Values values = GeneralValues();
    values["Web_Enable"] = "1";
    values["Web_Y"] = "five";
    values["Num_Order"] = "";
    SkinLayout layout;
    layout.webX = 123;
    const SkinLayout before = layout;
    try {
        ReadGeneralSection(SectionOf("org", values), layout);
        ADD_FAILURE() << "bad keys accepted";
    } catch (const LayoutError& error) {
        EXPECT_EQ(error.Key(), "Web_Y");
    }
    EXPECT_EQ(layout, before);

    values.remove("Rev_Pro_ID");
    values["Web_Y"] = "575";
    EXPECT_THROW(ReadGeneralSection(SectionOf("org", values), layout), LayoutError);
    EXPECT_EQ(layout, before);
}

TEST(SkinLayoutVariantTest, ReadsTheKeptValues)
{
    SkinLayout layout;
    ReadVariantValues(SectionOf("org2", VariantValues()), layout);
    EXPECT_EQ(layout.buttonSpaceFront, 5);
    EXPECT_EQ(layout.buttonSpaceBack, 6);
    EXPECT_EQ(layout.menuText, (Rgb{0, 1, 2}));
    EXPECT_EQ(layout.menuBackground, (Rgb{3, 4, 5}));
    EXPECT_EQ(layout.menuHoverText, (Rgb{6, 7, 8}));
    EXPECT_EQ(layout.menuHoverBackground, (Rgb{9, 10, 11}));
    EXPECT_EQ(layout.cpiSelected, (Rgb{12, 13, 14}));
    EXPECT_EQ(layout.cpiNotSelected, (Rgb{15, 16, 17}));
    EXPECT_EQ(layout.macroText, (Rgb{18, 19, 20}));
    EXPECT_EQ(layout.macroListText, (Rgb{21, 22, 23}));
    EXPECT_EQ(layout.macroButtonBackground, (Rgb{24, 25, 26}));
    EXPECT_EQ(layout.macroNameHeight, 22);
}

TEST(SkinLayoutVariantTest, EachKeptKeyIsRequired)
{
    const Values complete = VariantValues();
    for (auto it = complete.cbegin(); it != complete.cend(); ++it) {
        Values values = complete;
        values.remove(it.key());
        SkinLayout layout;
        const SkinLayout before = layout;
        try {
            ReadVariantValues(SectionOf("org1", values), layout);
            ADD_FAILURE() << "read without " << qPrintable(it.key());
        } catch (const LayoutError& error) {
            EXPECT_EQ(error.Key(), it.key());
            EXPECT_EQ(error.Section(), "org1");
        }
        EXPECT_EQ(layout, before) << qPrintable(it.key());
    }
}

}  // namespace
}  // namespace orvex
