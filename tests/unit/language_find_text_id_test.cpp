#include "ui/LanguageTable.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(FindTextIdTest, BuiltInTablesLastMatchWins)
{
    const LanguageTables tables = LoadAllLanguageTables();
    const struct {
        const char* text;
        const char* key;
    } cases[] = {
        {"Back", "Str213"},
        {"后退", "Str262"},  // Str213 and Str262 of language 1
        {"後退", "Str262"},
        {"Stop", "Str401"},  // Str251, Str264 and Str401 of language 3
        {"停止", "Str264"},
        {"OK", "Str511"},
        {"500", "Str300"},
        {"Left Key", "Str210"},
        {"左键", "Str210"},
        // Str000 is never formed: only the dialog's Str501 can match.
        {"Confirm", "Str501"},
        {"确认", "Str511"},  // Str000, Str501 and Str511 of language 1
        // Texts of ids below 100 only, macro names, combinations, other case.
        {"Apply", ""},
        {"Mode A", ""},
        {"Finding the device", ""},
        {"My Macro 1", ""},
        {"Ctrl+Alt+A", ""},
        {"back", ""},
        {" Back", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindTextId(QString::fromUtf8(c.text), tables), QString::fromLatin1(c.key)) << c.text;
}

TEST(FindTextIdTest, SwitchingLanguagesThroughTheFoundKey)
{
    const LanguageTables tables = LoadAllLanguageTables();
    // "Back" in English becomes the Chinese "后退", which comes back as the
    // browser key's "WWW Back".
    const QString chinese = tables[0].text(FindTextId("Back", tables));
    EXPECT_EQ(chinese, QString::fromUtf8("后退"));
    EXPECT_EQ(tables[2].text(FindTextId(chinese, tables)), "WWW Back");
    EXPECT_EQ(tables[0].text(FindTextId("Stop", tables)), QString::fromUtf8("停止记录"));
}

TEST(FindTextIdTest, SearchOrderAndFormedKeys)
{
    LanguageTables tables;
    tables[0].insert("Str150", "X");
    tables[2].insert("Str120", "X");  // a later language beats a higher id
    tables[1].insert("Str050", "Y");  // three-digit keys below 100 are never formed
    tables[1].insert("Str99", "Z");   // but the plain-decimal key of 99 is
    tables[1].insert("Str701", "W");  // beyond the last id asked for
    tables[0].insert("Str100", "");
    EXPECT_EQ(FindTextId("X", tables), "Str120");
    EXPECT_EQ(FindTextId("Y", tables), "");
    EXPECT_EQ(FindTextId("Z", tables), "Str99");
    EXPECT_EQ(FindTextId("W", tables), "");
    EXPECT_EQ(FindTextId("", tables), "");
}

}  // namespace
}  // namespace orvex
