#include "ui/LayoutResource.h"

#include <gtest/gtest.h>

#include <climits>

namespace orvex {
namespace {

LayoutSection Section(const char* text, const char* name = "org1")
{
    return FindLayoutSection(ParseLayoutText(QByteArray(text)), QString::fromLatin1(name));
}

TEST(LayoutTextTest, AcceptsBothSpacingStyles)
{
    const LayoutSection section = Section("[org1]\r\nBtn_A1_Enable=0 \r\nM_L_W = 190\r\n\tSize_A\t=\t11\t\r\n");
    EXPECT_EQ(section.Integer("Btn_A1_Enable"), 0);
    EXPECT_EQ(section.Integer("M_L_W"), 190);
    EXPECT_EQ(section.Integer("Size_A"), 11);
}

TEST(LayoutTextTest, SectionsAndKeysIgnoreCase)
{
    const QList<LayoutSection> sections = ParseLayoutText("[ ORG1 ]\r\nbtn_a1_x=5\r\n[Org2]\r\nBTN_A1_X=6\r\n");
    ASSERT_EQ(sections.size(), 2);
    EXPECT_EQ(FindLayoutSection(sections, "org1").Integer("Btn_A1_X"), 5);
    EXPECT_EQ(FindLayoutSection(sections, "ORG2").Integer("btn_A1_x"), 6);
    EXPECT_EQ(FindLayoutSection(sections, "org1").Name(), "ORG1");
    EXPECT_TRUE(FindLayoutSection(sections, "org1").Has("BTN_a1_X"));
}

TEST(LayoutTextTest, BannersCommentsAndStrayLinesCarryNoKeys)
{
    const LayoutSection section = Section(
        "// skin layout banner\r\n"
        "Btn_A1_X=99\r\n"  // before the first section: belongs to none
        "[org1]\r\n"
        "// second banner line\r\n"
        "; Btn_A1_Y=7\r\n"
        "   ;Btn_A2_X=8\r\n"
        "just some words\r\n"
        "\r\n"
        "Btn_A2_Y=3\r\n");
    EXPECT_EQ(section.Keys(), QStringList{"btn_a2_y"});
    EXPECT_EQ(section.Integer("Btn_A2_Y"), 3);
}

TEST(LayoutTextTest, ValueRunsFromTheFirstEqualsSign)
{
    const LayoutSection section = Section("[org]\r\nWeb = https://orvex71.example/?a=b \r\nPath=\r\n", "org");
    EXPECT_EQ(section.Text("web"), "https://orvex71.example/?a=b");
    EXPECT_TRUE(section.Has("Path"));
    EXPECT_EQ(section.Text("Path"), "");
    EXPECT_EQ(section.Text("Missing"), "");
    EXPECT_FALSE(section.Has("Missing"));
}

TEST(LayoutTextTest, AnyLineEndWorksAndTheFirstOccurrenceWins)
{
    const LayoutSection section = Section("\xEF\xBB\xBF[org1]\nA=1\rB=2\r\nA=3\n[other]\n[org1]\nB=4\nC=5");
    EXPECT_EQ(section.Integer("A"), 1);
    EXPECT_EQ(section.Integer("B"), 2);
    EXPECT_EQ(section.Integer("C"), 5);
}

TEST(LayoutIntegerTest, ReadsStrictDecimalIntegers)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"0", 0}, {"190", 190}, {"-1", -1}, {"+7", 7}, {"007", 7}, {"8000", 8000},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
    };
    for (const auto& c : cases) {
        const QByteArray text = QByteArray("[org1]\r\nBtn_A1_X=") + c.text + "\r\n";
        EXPECT_EQ(FindLayoutSection(ParseLayoutText(text), "org1").Integer("Btn_A1_X"), c.value) << c.text;
    }
}

TEST(LayoutIntegerTest, RejectsEverythingElseNamingKeyAndSection)
{
    const char* const cases[] = {
        "", "12a", "1.5", "0x10", "$10", "1 2", "+", "-", "--1", "1e3", "\xD9\xA3" /* Arabic-Indic 3 */,
        "2147483648", "-2147483649", "99999999999999999999",
    };
    for (const char* text : cases) {
        const QByteArray bytes = QByteArray("[org1]\r\nBtn_A1_X=") + text + "\r\n";
        const LayoutSection section = FindLayoutSection(ParseLayoutText(bytes), "org1");
        try {
            section.Integer("Btn_A1_X");
            ADD_FAILURE() << "accepted \"" << text << "\"";
        } catch (const LayoutError& error) {
            EXPECT_EQ(error.Key(), "Btn_A1_X");
            EXPECT_EQ(error.Section(), "org1");
            const QString message = QString::fromUtf8(error.what());
            EXPECT_EQ(message, QStringLiteral("layout [org1]: \"Btn_A1_X\" = \"%1\" is not a valid integer value")
                                   .arg(QString::fromUtf8(text)));
        }
    }
}

TEST(LayoutIntegerTest, MissingKeyOrSectionThrows)
{
    try {
        Section("[org1]\r\nBtn_A1_Y=1\r\n").Integer("Btn_A1_X");
        ADD_FAILURE() << "missing key accepted";
    } catch (const LayoutError& error) {
        EXPECT_EQ(error.Key(), "Btn_A1_X");
        EXPECT_STREQ(error.what(), "layout [org1]: \"Btn_A1_X\" is missing, \"\" is not a valid integer value");
    }
    try {
        Section("[org1]\r\nSize_A=11\r\n", "org2").Integer("Size_A");
        ADD_FAILURE() << "key of another section accepted";
    } catch (const LayoutError& error) {
        EXPECT_EQ(error.Section(), "org2");
        EXPECT_EQ(error.Key(), "Size_A");
    }
}

TEST(LayoutResourceTest, UnknownVariantsHaveNoResource)
{
    EXPECT_EQ(LayoutSectionName(0), "org");
    EXPECT_EQ(LayoutSectionName(3), "org3");
    for (int variant : {-1, 4, 10})
        EXPECT_THROW(LoadLayoutSection(variant), LayoutError) << variant;
}

}  // namespace
}  // namespace orvex
