#include "ui/LanguageTable.h"

#include <gtest/gtest.h>

#include <QFile>

namespace orvex {
namespace {

// The ids every language resource holds.
constexpr int kTextIds[] = {
    0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 20, 100, 101, 102, 103, 104,
    106, 107, 108, 109, 200, 201, 202, 203, 204, 205, 206, 207, 210, 211, 212, 213, 214,
    220, 221, 222, 224, 225, 226, 230, 231, 232, 233, 240, 241, 242, 243, 250, 251, 252,
    253, 254, 255, 256, 260, 261, 262, 263, 264, 265, 266, 300, 301, 302, 303, 304, 305,
    306, 307, 308, 309, 310, 400, 401, 402, 404, 405, 406, 407, 408, 409, 410, 411, 412,
    413, 414, 415, 416, 417, 418, 420, 421, 422, 430, 432, 433, 435, 436, 437, 440, 441,
    442, 443, 444, 445, 446, 447, 448, 500, 501, 502, 510, 511, 512, 520, 521, 522, 523,
    700, 701
};

QString TextKey(int id)
{
    return QStringLiteral("Str%1").arg(id, 3, 10, QChar(u'0'));
}

class BuiltinLanguagesTest : public testing::Test {
protected:
    LanguageTables tables = LoadAllLanguageTables();

    const LanguageTable& Language(int number) const { return tables[number - 1]; }
    QString Text(int language, const char* key) const { return Language(language).text(QString::fromLatin1(key)); }
};

TEST_F(BuiltinLanguagesTest, EveryLanguageHoldsEveryKeyAndNoOther)
{
    for (int language = 1; language <= 3; ++language) {
        const LanguageTable& table = Language(language);
        EXPECT_TRUE(table.contains("FontName")) << language;
        EXPECT_TRUE(table.contains("Title")) << language;
        for (int id : kTextIds)
            EXPECT_TRUE(table.contains(TextKey(id))) << qPrintable(TextKey(id)) << " in language " << language;
        EXPECT_EQ(table.size(), int(std::size(kTextIds)) + 2) << language;
    }
}

TEST_F(BuiltinLanguagesTest, FontsAndTitles)
{
    EXPECT_EQ(Language(1).fontName(), "Microsoft YaHei");
    EXPECT_EQ(Language(2).fontName(), "Microsoft JhengHei");
    EXPECT_EQ(Language(3).fontName(), "Arial Narrow");
    EXPECT_EQ(Language(1).title(), QString::fromUtf8("V260游戏鼠标驱动"));
    EXPECT_EQ(Language(2).title(), QString::fromUtf8("Kestova遊戲滑鼠驅動"));
    EXPECT_EQ(Language(3).title(), "V260 Gaming Mouse");
}

TEST_F(BuiltinLanguagesTest, TextsAcrossTheTable)
{
    const struct {
        const char* key;
        const char* language1;
        const char* language2;
        const char* language3;
    } cases[] = {
        {"Str000", "确认", "確認", "Confirm"},
        {"Str002", "恢复默认设置", "恢復出廠設置1", "RESET"},
        {"Str020", "正在查找指定设备", "查找不到指定設備", "Finding the device"},
        {"Str100", "重新加载设备，请确认。", "未偵測到裝置", "Waiting to reconnect device"},
        {"Str101", "", "請確認裝置是否確實連接至USB介面", ""},
        {"Str102", "ORVEX71Data.bin文件类型错误", "ORVEX71Data.bin檔案類型錯誤", "ORVEX71Data.bin file type error"},
        {"Str200", "*", "*", "*"},
        {"Str213", "后退", "後退", "Back"},
        {"Str230", "DPI按键", "CPI按鍵", "DPI Key"},
        {"Str262", "后退", "後退", "WWW Back"},
        {"Str266", "收藏夹", "我的最愛", "Favorites"},
        {"Str310", "6400", "6400", "6400"},
        {"Str401", "停止记录", "停止記錄", "Stop"},
        {"Str433", "删除宏", "刪除巨集", "Delect Macro"},
        {"Str523", "请输入修改值", "請輸入修改值", "Input Value"},
        {"Str700", "长按'中键'切换模式A/模式B", "長按'中鍵'切換模式A/模式B", "Press 'Middle Key' 3s Switch Mode A/Mode B"},
        {"Str701", "长按'DPI键'切换模式A/模式B", "長按'CPI鍵'切換模式A/模式B", "Press 'DPI' 3s Switch Mode A/Mode B"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(1, c.key), QString::fromUtf8(c.language1)) << c.key;
        EXPECT_EQ(Text(2, c.key), QString::fromUtf8(c.language2)) << c.key;
        EXPECT_EQ(Text(3, c.key), QString::fromUtf8(c.language3)) << c.key;
    }
}

TEST_F(BuiltinLanguagesTest, KeysAskedForButNeverShippedReadEmpty)
{
    for (const char* key : {"Str223", "Str600", "Str603", "Str606", "Str006", "Str999"}) {
        for (int language = 1; language <= 3; ++language) {
            EXPECT_FALSE(Language(language).contains(key)) << key;
            EXPECT_EQ(Text(language, key), "") << key;
        }
    }
}

TEST_F(BuiltinLanguagesTest, ChineseTextsStayUnicode)
{
    for (int language = 1; language <= 2; ++language) {
        for (int id : kTextIds) {
            const QString text = Language(language).text(TextKey(id));
            EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << qPrintable(TextKey(id));
            EXPECT_FALSE(text.contains(u'?')) << qPrintable(TextKey(id));
        }
    }
}

TEST_F(BuiltinLanguagesTest, ResourcesMatchTheMasterTable)
{
    // The resources are generated from this table; a difference means they
    // were not regenerated after an edit.
    QFile master(QStringLiteral(ORVEX71_TEST_FIXTURES "/../../tools/languages/texts.tsv"));
    ASSERT_TRUE(master.open(QIODevice::ReadOnly));
    int rows = 0;
    for (const QString& line : QString::fromUtf8(master.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        ASSERT_EQ(fields.size(), 4) << qPrintable(line);
        EXPECT_EQ(Language(3).text(fields[0]), fields[1]) << qPrintable(fields[0]);
        EXPECT_EQ(Language(1).text(fields[0]), fields[2]) << qPrintable(fields[0]);
        EXPECT_EQ(Language(2).text(fields[0]), fields[3]) << qPrintable(fields[0]);
        ++rows;
    }
    EXPECT_EQ(rows, Language(1).size());
}

TEST(LanguageLoadTest, UnknownLanguageNumbersThrow)
{
    for (int number : {0, 4, -1})
        EXPECT_THROW(LoadLanguageTable(number), std::runtime_error) << number;
}

}  // namespace
}  // namespace orvex
