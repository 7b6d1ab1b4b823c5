#include "keys/KeyCatalogue.h"

#include "key_test_language.h"

#include <gtest/gtest.h>

#include <set>

namespace orvex {
namespace {

TEST(KeyCatalogueTest, MenuTagsGiveTheirCodes)
{
    const struct {
        int tag;
        const char* code;
    } cases[] = {
        {900, "010100"}, {901, "010200"}, {902, "010400"}, {903, "010800"}, {904, "011000"},
        {1000, "0600F0"}, {1001, "090000"}, {1003, "0D0000"}, {1004, "000000"},
        {1005, "0F0000"}, {1006, "100000"}, {2000, "050000"}, {2001, "070000"},
        {2002, "080000"}, {1100, "030194"}, {1101, "030192"}, {1102, "03018A"},
        {1103, "020807"}, {1300, "0300CD"}, {1301, "0300B7"}, {1302, "0300B6"},
        {1303, "0300B5"}, {1304, "0300E9"}, {1305, "0300EA"}, {1306, "0300E2"},
        {1400, "030223"}, {1401, "030221"}, {1402, "030224"}, {1403, "030225"},
        {1404, "030226"}, {1405, "030227"}, {1406, "03022A"},
        // Not in the catalogue.
        {0, ""}, {-1, ""}, {905, ""}, {1007, ""}, {1200, ""}, {1307, ""}, {2003, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeForMenuItem(c.tag, 4), QString::fromLatin1(c.code)) << c.tag;
}

TEST(KeyCatalogueTest, EveryRowIsFoundByItsTagAndGivesItsCode)
{
    ASSERT_EQ(KeyCatalogue().size(), 33u);
    std::set<int> tags;
    std::set<QString> codes;
    for (const CatalogueItem& row : KeyCatalogue()) {
        EXPECT_TRUE(tags.insert(row.tag).second) << "tag twice: " << row.tag;
        EXPECT_EQ(CatalogueItemForTag(row.tag), &row) << row.tag;
        if (row.tag == kAimKeyTag) {
            EXPECT_TRUE(row.codeText.isEmpty());
            EXPECT_EQ(CodeForMenuItem(row.tag, 7), QStringLiteral("0A0700"));
            continue;
        }
        EXPECT_EQ(CodeForMenuItem(row.tag, 7), QString(row.codeText)) << row.tag;
        EXPECT_EQ(CatalogueItemForCode(QString(row.codeText)), &row) << row.tag;
        EXPECT_TRUE(codes.insert(QString(row.codeText)).second) << "code twice: " << row.tag;
    }
    EXPECT_EQ(codes.size(), 32u);
}

TEST(KeyCatalogueTest, NameIdsExistInTheShippedTablesExceptTheHiddenFunction)
{
    const LanguageTable english = testing::EnglishFunctionNames();
    for (const CatalogueItem& row : KeyCatalogue()) {
        const bool hidden = row.tag == 1003;
        EXPECT_EQ(english.contains(QString(row.nameId)), !hidden) << row.tag;
        EXPECT_EQ(row.panel.isEmpty(), hidden) << row.tag;
        EXPECT_EQ(row.item.isEmpty(), hidden) << row.tag;
    }
}

TEST(KeyCatalogueTest, RowsCarryTheirMenuPlaces)
{
    const struct {
        int tag;
        const char* panel;
        const char* item;
        const char* nameId;
    } cases[] = {
        {900, "Pnl_MseKey", "Key_Left", "Str210"},
        {1002, "Pnl_Special", "Key_AIMKey", "Str222"},
        {1003, "", "", "Str223"},
        {1006, "Pnl_Special", "Key_LEDMode", "Str226"},
        {2000, "Pnl_CPIKey", "Key_CPI", "Str231"},
        {1103, "Pnl_MyPC", "Key_Desktop", "Str243"},
        {1306, "Pnl_Media", "Key_Mute", "Str256"},
        {1406, "Pnl_WWW", "Key_WWWFavorites", "Str266"},
    };
    for (const auto& c : cases) {
        const CatalogueItem* row = CatalogueItemForTag(c.tag);
        ASSERT_NE(row, nullptr) << c.tag;
        EXPECT_EQ(row->panel, QLatin1StringView(c.panel)) << c.tag;
        EXPECT_EQ(row->item, QLatin1StringView(c.item)) << c.tag;
        EXPECT_EQ(row->nameId, QLatin1StringView(c.nameId)) << c.tag;
    }
    EXPECT_EQ(CatalogueItemForTag(905), nullptr);
}

TEST(KeyCatalogueTest, AimKeyCodeCarriesTheAimIndexInRange)
{
    const struct {
        int aimIndex;
        const char* code;
    } cases[] = {
        {0, "0A0000"}, {3, "0A0300"}, {10, "0A0A00"},
        // Outside the CPI value list: held at its ends.
        {-1, "0A0000"}, {11, "0A0A00"}, {255, "0A0A00"}, {0x1003, "0A0A00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeForMenuItem(kAimKeyTag, c.aimIndex), QString::fromLatin1(c.code))
            << c.aimIndex;
}

TEST(KeyCatalogueTest, CodeLookupIsExactAndNeverFindsTheAimRow)
{
    EXPECT_EQ(CatalogueItemForCode(QString()), nullptr);
    EXPECT_EQ(CatalogueItemForCode(QStringLiteral("0A0500")), nullptr);
    EXPECT_EQ(CatalogueItemForCode(QStringLiteral("0300cd")), nullptr);
    EXPECT_EQ(CatalogueItemForCode(QStringLiteral("0300CD ")), nullptr);
    const CatalogueItem* playPause = CatalogueItemForCode(QStringLiteral("0300CD"));
    ASSERT_NE(playPause, nullptr);
    EXPECT_EQ(playPause->tag, 1300);
}

TEST(KeyCatalogueTest, FireMacroCodesHaveSharedNameIds)
{
    const struct {
        const char* code;
        const char* nameId;
    } cases[] = {
        {"0C0101", "Str600"}, {"0C0202", "Str601"}, {"0C0303", "Str602"},
        {"0C0404", "Str603"}, {"0C0505", "Str604"}, {"0C0606", "Str605"},
        {"0C0607", "Str605"}, {"0C0808", "Str606"}, {"0C0809", "Str606"},
        {"0C080A", "Str606"},
        {"0C0707", ""}, {"0C0000", ""}, {"0C080B", ""}, {"0c0101", ""}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FireMacroNameId(QString::fromLatin1(c.code)), QString::fromLatin1(c.nameId))
            << c.code;
    EXPECT_EQ(FireMacroNames().size(), 10u);
}

}  // namespace
}  // namespace orvex
