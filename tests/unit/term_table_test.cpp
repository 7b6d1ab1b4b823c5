#include "ui/TermTable.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace orvex {
namespace {

TEST(TermTableTest, HoldsIds0To143OnceInAscendingOrder)
{
    const std::span<const TTerm> table = TermTable();
    ASSERT_EQ(table.size(), 144u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].id, int(i));
        EXPECT_STRNE(table[i].english, "") << i;
        EXPECT_STRNE(table[i].chinese, "") << i;
    }
}

TEST(TermTableTest, TextsInBothLanguages)
{
    const struct {
        int id;
        const char* english;
        const char* chinese;
    } cases[] = {
        {0, "Mode A", "模式A"},
        {5, "Engineer Mode", "工程模式"},
        {10, "Apply", "写入设备"},
        {14, "Engineer", "工程人员界面"},
        {37, "Red", "红色"},
        {43, "White", "白色"},
        {50, "Mode 1", "模式1"},
        {56, "Mode 7", "模式7"},
        {61, "Mode1 B::", "模式1 B:"},
        {73, "0°", "0°"},
        {80, "XY Swap XY NoReverse", "XY互换XY不取反"},
        {94, "Mode B", "模式B"},
        {100, "MCU LED Mode Select", "MCU LED工作模式选择"},
        {143, "Notes: ", "注释: "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TermText(c.id, TermLanguage::English), QString::fromUtf8(c.english)) << c.id;
        EXPECT_EQ(TermText(c.id, TermLanguage::Chinese), QString::fromUtf8(c.chinese)) << c.id;
    }
}

TEST(TermTableTest, UnknownIdsGiveTheEmptyText)
{
    for (int id : {-1, 144, 255, 1000}) {
        EXPECT_EQ(TermText(id, TermLanguage::English), "") << id;
        EXPECT_EQ(TermText(id, TermLanguage::Chinese), "") << id;
    }
}

TEST(TermTableTest, ChineseOnlyForChineseChina)
{
    const struct {
        QLocale locale;
        TermLanguage language;
    } cases[] = {
        {QLocale(QLocale::Chinese, QLocale::China), TermLanguage::Chinese},
        {QLocale("zh_CN"), TermLanguage::Chinese},
        {QLocale(QLocale::Chinese, QLocale::Taiwan), TermLanguage::English},
        {QLocale(QLocale::Chinese, QLocale::HongKong), TermLanguage::English},
        {QLocale(QLocale::Chinese, QLocale::Singapore), TermLanguage::English},
        {QLocale(QLocale::English, QLocale::China), TermLanguage::English},
        {QLocale(QLocale::English, QLocale::UnitedStates), TermLanguage::English},
        {QLocale(QLocale::German, QLocale::Germany), TermLanguage::English},
        {QLocale::c(), TermLanguage::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TermLanguageForLocale(c.locale), c.language) << qPrintable(c.locale.name());
}

}  // namespace
}  // namespace orvex
