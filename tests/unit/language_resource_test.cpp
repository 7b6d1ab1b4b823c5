#include "ui/LanguageTable.h"

#include <gtest/gtest.h>

#include <QFile>

namespace orvex {
namespace {

QByteArray Utf16Le(const QString& text, bool withMark)
{
    QByteArray bytes = withMark ? QByteArray("\xFF\xFE", 2) : QByteArray();
    for (QChar ch : text) {
        bytes.append(char(ch.unicode() & 0xFF));
        bytes.append(char(ch.unicode() >> 8));
    }
    return bytes;
}

QByteArray ReadFixture(const char* name)
{
    QFile file(QStringLiteral(ORVEX71_TEST_FIXTURES "/lang/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

class LanguageFixtureTest : public testing::Test {
protected:
    LanguageTable table = ParseLanguageResource(ReadFixture("lang9_quirks"), "lang9");
};

TEST_F(LanguageFixtureTest, QuotedEntriesKeepSpacesAndDoubledQuotes)
{
    EXPECT_EQ(table.fontName(), "Noto Sans CJK SC");
    EXPECT_EQ(table.title(), "The \"Gaming\" Mouse");
    EXPECT_EQ(table.text("Str500"), "padded value");
    EXPECT_EQ(table.text("Str503"), "a=b");
}

TEST_F(LanguageFixtureTest, UnquotedEntryIsCutAtTheSpace)
{
    EXPECT_EQ(table.text("Str400"), "Two");
}

TEST_F(LanguageFixtureTest, EmptyEntryIsPresentAndEmpty)
{
    EXPECT_TRUE(table.contains("Str101"));
    EXPECT_EQ(table.text("Str101"), "");
}

TEST_F(LanguageFixtureTest, CommentsAndEntriesOutsideTheSectionAreDropped)
{
    EXPECT_FALSE(table.contains("Str300"));  // before the first section
    EXPECT_FALSE(table.contains("Str402"));  // ";" comment entry
    EXPECT_FALSE(table.contains("Str507"));  // another section
    EXPECT_FALSE(table.contains("; a comment entry, with"));
}

TEST_F(LanguageFixtureTest, ChineseAndOtherUnicodeTextsSurvive)
{
    EXPECT_EQ(table.text("Str501"), QString::fromUtf8("简体中文"));
    EXPECT_EQ(table.text("Str502"), QString::fromUtf8("繁體中文"));
    EXPECT_EQ(table.text("Str505"), QString::fromUtf8("\xF0\x9F\x8E\xAE game pad"));
    // Only spaces and control characters are trimmed.
    EXPECT_EQ(table.text("Str506"), QString::fromUtf8("ideographic space\xE3\x80\x80"));
}

TEST_F(LanguageFixtureTest, KeysIgnoreCaseAndRepeatedSectionsAdd)
{
    EXPECT_EQ(table.text("STR504"), "lower-case key");
    EXPECT_EQ(table.text("Str508"), "repeated section");
    EXPECT_EQ(table.text("Str501"), QString::fromUtf8("简体中文"));  // the first occurrence wins
}

TEST_F(LanguageFixtureTest, UnterminatedQuoteRunsToTheEnd)
{
    EXPECT_EQ(table.text("Str509"), "unterminated quote\r\nup to the end");
}

TEST(LanguageParserTest, ReadsTextWithoutByteOrderMark)
{
    const QString text = QString::fromUtf8("[lang1]\r\n\"Str000=确认\"\r\n");
    const LanguageTable withMark = ParseLanguageResource(Utf16Le(text, true), "lang1");
    const LanguageTable withoutMark = ParseLanguageResource(Utf16Le(text, false), "lang1");
    EXPECT_EQ(withMark.text("Str000"), QString::fromUtf8("确认"));
    EXPECT_EQ(withoutMark.text("Str000"), QString::fromUtf8("确认"));
}

TEST(LanguageParserTest, OddTrailingByteIsIgnored)
{
    QByteArray bytes = Utf16Le("[lang3]\r\n\"Str213=Back\"", true);
    bytes.append('\x41');
    EXPECT_EQ(ParseLanguageResource(bytes, "lang3").text("Str213"), "Back");
}

TEST(LanguageParserTest, EntriesSplitAtAnyWhiteSpaceAndRightAfterAClosingQuote)
{
    const LanguageTable table =
        ParseLanguageResource(Utf16Le("[lang3]\t\"Str001=A b\"Str002=c\nStr003=d\"e f\"", true), "lang3");
    EXPECT_EQ(table.text("Str001"), "A b");
    EXPECT_EQ(table.text("Str002"), "c");
    EXPECT_EQ(table.text("Str003"), "d\"e");  // a quote inside an unquoted entry is plain text
}

TEST(LanguageParserTest, OtherSectionOrBrokenInputGivesAnEmptyTable)
{
    const QByteArray bytes = Utf16Le("[lang1]\r\n\"Str000=x\"\r\n", true);
    EXPECT_EQ(ParseLanguageResource(bytes, "lang2").size(), 0);
    EXPECT_EQ(ParseLanguageResource(QByteArray(), "lang1").size(), 0);
    EXPECT_EQ(ParseLanguageResource(QByteArray("\xFF\xFE", 2), "lang1").size(), 0);
    EXPECT_EQ(ParseLanguageResource(QByteArray("\xFF"), "lang1").size(), 0);
    // 8-bit text is no language resource: its bytes pair up into other characters.
    EXPECT_EQ(ParseLanguageResource(QByteArray("[lang1]\r\n\"Str000=x\"\r\n"), "lang1").size(), 0);
}

}  // namespace
}  // namespace orvex
