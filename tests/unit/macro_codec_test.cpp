#include "macro/MacroCodec.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace orvex {
namespace {

using Steps = std::vector<Byte>;

MacroScript ScriptOf(const QStringList& lines, ReleaseMode mode = ReleaseMode::Continue)
{
    MacroScript script;
    script.lines = lines;
    script.releaseMode = mode;
    return script;
}

// A record as the mouse holds it: mode, length byte, steps, checksum.
MacroRecord SealedRecord(const Steps& steps, ReleaseMode mode = ReleaseMode::Continue)
{
    MacroRecord record{};
    record[0] = static_cast<Byte>(mode);
    record[1] = static_cast<Byte>(steps.size() + 1);
    unsigned sum = record[1];
    for (std::size_t i = 0; i < steps.size(); ++i) {
        record[2 + i] = steps[i];
        sum += steps[i];
    }
    record[steps.size() + 2] = static_cast<Byte>((sum & 0xFF) ^ 0x5A);
    return record;
}

QStringList StepLines(const MacroScript& script)
{
    return script.lines.mid(1);
}

// 01 0A FD 04 A1 FE 0A 21 FA 02 FC 97: stop on release; repeat 5 times: left
// press, 80 ms, left release, Y +2.
const MacroRecord kExampleRecord = SealedRecord({0xFD, 0x04, 0xA1, 0xFE, 0x0A, 0x21, 0xFA, 0x02, 0xFC},
                                                ReleaseMode::Stop);
const QStringList kExampleLines = {"10", "7 FD04", "1 LeftKey CODE:00A1", "0 80",
                                   "2 LeftKey CODE:0021", "5 FA02", "8 00FC"};

TEST(MacroScriptToBufTest, StepLinesEncodeToTheirBytes)
{
    const struct {
        const char* what;
        QStringList lines;
        Steps steps;
    } cases[] = {
        {"5000 ms", {"0 5000"}, {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0x73}},
        {"2040 ms is one full step", {"0 2040"}, {0xFE, 0xFF}},
        {"4080 ms", {"0 4080"}, {0xFE, 0xFF, 0xFE, 0xFF}},
        {"a remainder under 8 ms still gets a step", {"0 2047"}, {0xFE, 0xFF, 0xFE, 0x00}},
        {"0 ms", {"0 0"}, {0xFE, 0x00}},
        {"5 ms", {"0 5"}, {0xFE, 0x00}},
        {"8 ms", {"0 8"}, {0xFE, 0x01}},
        {"unparsable delay counts as 0", {"0 abc"}, {0xFE, 0x00}},
        {"negative delay counts as 0", {"0 -40"}, {0xFE, 0x00}},
        {"one-byte codes drop their 00", {"1 LeftKey CODE:00A1", "2 Backward CODE:0030", "8 00FC"},
         {0xA1, 0x30, 0xFC}},
        {"key and modifier steps", {"1 A CODE:8204", "1 Right Windows CODE:8180", "2 A CODE:0204"},
         {0x82, 0x04, 0x81, 0x80, 0x02, 0x04}},
        {"moves and repeat", {"7 FD04", "4 FBFB", "3 FB00", "6 FAFE", "8 00FC"},
         {0xFD, 0x04, 0xFB, 0xFB, 0xFB, 0x00, 0xFA, 0xFE, 0xFC}},
        {"unknown lines keep their bytes", {"9 Unknown CODE:0055", "1 Unknown CODE:8103", "9 Unknown CODE:0000"},
         {0x55, 0x81, 0x03, 0x00}},
        {"lines without hex code digits are left out", {"1 LeftKey CODE:00G1", "", "8 FC", "2 LeftKey CODE:0021"},
         {0x21}},
    };
    for (const auto& c : cases) {
        const EncodeResult result = MacroScriptToBuf(ScriptOf(QStringList{"10"} + c.lines));
        EXPECT_TRUE(result.fits) << c.what;
        EXPECT_EQ(result.stepBytes, static_cast<int>(c.steps.size())) << c.what;
        EXPECT_EQ(result.record, SealedRecord(c.steps)) << c.what;
    }
}

TEST(MacroScriptToBufTest, TheExampleScriptGivesTheExampleRecord)
{
    const EncodeResult result = MacroScriptToBuf(ScriptOf(kExampleLines, ReleaseMode::Stop));
    ASSERT_TRUE(result.fits);
    EXPECT_EQ(result.stepBytes, 9);
    EXPECT_EQ(result.record, kExampleRecord);
    EXPECT_EQ(RecordHexLine(result.record), QStringLiteral("010AFD04A1FE0A21FA02FC97"));
    EXPECT_TRUE(RecordChecksumValid(result.record));
}

TEST(MacroScriptToBufTest, ScriptWithoutStepsIsAllZero)
{
    for (const char* header : {"00", "10", "0140"}) {
        const EncodeResult result = MacroScriptToBuf(ScriptOf({header}, ReleaseMode::Stop));
        EXPECT_TRUE(result.fits) << header;
        EXPECT_EQ(result.stepBytes, 0) << header;
        EXPECT_EQ(result.record, MacroRecord{}) << header;
        EXPECT_EQ(RecordHexLine(result.record), QString()) << header;
    }
}

TEST(MacroScriptToBufTest, StepsBeyondTheRecordDoNotFit)
{
    // 110 two-byte moves + one button: 221 bytes, the checksum lands on byte 223.
    QStringList lines{"10"};
    for (int i = 0; i < 110; ++i)
        lines.append(QStringLiteral("3 FB01"));
    lines.append(QStringLiteral("1 LeftKey CODE:00A1"));
    const EncodeResult full = MacroScriptToBuf(ScriptOf(lines));
    ASSERT_TRUE(full.fits);
    EXPECT_EQ(full.stepBytes, 221);
    EXPECT_EQ(full.record[1], 222);
    EXPECT_TRUE(RecordChecksumValid(full.record));

    lines.append(QStringLiteral("2 LeftKey CODE:0021"));
    const EncodeResult over = MacroScriptToBuf(ScriptOf(lines));
    EXPECT_FALSE(over.fits);
    EXPECT_EQ(over.stepBytes, 222);
    EXPECT_EQ(over.record, MacroRecord{});

    // A delay of absurd length is counted, not written out.
    const EncodeResult huge = MacroScriptToBuf(ScriptOf({"10", "0 9000000000000"}));
    EXPECT_FALSE(huge.fits);
    EXPECT_GT(huge.stepBytes, 221);
    EXPECT_EQ(huge.record, MacroRecord{});
}

TEST(MacroBufToScriptTest, StepsDecodeToTheirLinesAndBack)
{
    const struct {
        const char* what;
        Steps steps;
        QStringList lines;
    } cases[] = {
        {"5000 ms", {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0x73}, {"0 5000"}},
        {"six full delays make two lines",
         {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF},
         {"0 10200", "0 2040"}},
        {"zero delay", {0xFE, 0x00}, {"0 0"}},
        {"X moves by sign", {0xFB, 0xFB, 0xFB, 0x00, 0xFB, 0x7F, 0xFB, 0x80},
         {"4 FBFB", "3 FB00", "3 FB7F", "4 FB80"}},
        {"Y moves by sign", {0xFA, 0x05, 0xFA, 0xFE}, {"5 FA05", "6 FAFE"}},
        {"modifier presses",
         {0x81, 0x01, 0x81, 0x02, 0x81, 0x04, 0x81, 0x08, 0x81, 0x80},
         {"1 Ctrl CODE:8101", "1 Shift CODE:8102", "1 Alt CODE:8104", "1 Left Windows CODE:8108",
          "1 Right Windows CODE:8180"}},
        {"modifier releases", {0x01, 0x01, 0x01, 0x80}, {"2 Ctrl CODE:0101", "2 Right Windows CODE:0180"}},
        {"keys by usage", {0x82, 0x04, 0x02, 0x2C, 0x82, 0x3A},
         {"1 A CODE:8204", "2 Space bar CODE:022C", "1 F1 CODE:823A"}},
        {"mouse buttons",
         {0xA1, 0xA2, 0xA4, 0xA8, 0xB0, 0x21, 0x22, 0x24, 0x28, 0x30},
         {"1 LeftKey CODE:00A1", "1 RightKey CODE:00A2", "1 MiddleKey CODE:00A4", "1 Forward CODE:00A8",
          "1 Backward CODE:00B0", "2 LeftKey CODE:0021", "2 RightKey CODE:0022", "2 MiddleKey CODE:0024",
          "2 Forward CODE:0028", "2 Backward CODE:0030"}},
        {"repeat block", {0xFD, 0xFF, 0xA1, 0xFC}, {"7 FDFF", "1 LeftKey CODE:00A1", "8 00FC"}},
        {"codes outside the table", {0x00, 0x55, 0xA3}, {"9 Unknown CODE:0000", "9 Unknown CODE:0055", "9 Unknown CODE:00A3"}},
        {"modifier masks of several bits", {0x81, 0x03, 0x01, 0x00},
         {"1 Unknown CODE:8103", "2 Unknown CODE:0100"}},
        {"unnamed usage", {0x82, 0x03}, {"1 Unknown CODE:8203"}},
        {"a two-byte code as last step byte", {0xA1, 0xFB}, {"1 LeftKey CODE:00A1", "9 Unknown CODE:00FB"}},
        {"a delay code as last step byte", {0xFE}, {"9 Unknown CODE:00FE"}},
    };
    for (const auto& c : cases) {
        const MacroRecord record = SealedRecord(c.steps);
        const MacroScript script = MacroBufToScript(record);
        EXPECT_EQ(StepLines(script), c.lines) << c.what;
        const EncodeResult again = MacroScriptToBuf(script);
        EXPECT_EQ(again.record, record) << c.what;
    }
}

TEST(MacroBufToScriptTest, TheExampleRecordDecodesToItsSixLines)
{
    ASSERT_TRUE(RecordChecksumValid(kExampleRecord));
    const MacroScript script = MacroBufToScript(kExampleRecord);
    EXPECT_EQ(script.lines, kExampleLines);
    EXPECT_EQ(script.releaseMode, ReleaseMode::Stop);
    EXPECT_EQ(MacroScriptToBuf(script).record, kExampleRecord);
}

TEST(MacroBufToScriptTest, HeaderComesFromTheFirstFourDelayLines)
{
    const Steps click = {0xA1};
    const auto withDelays = [&](std::initializer_list<Byte> units) {
        Steps steps;
        for (const Byte unit : units) {
            steps.insert(steps.end(), click.begin(), click.end());
            steps.insert(steps.end(), {0xFE, unit});
        }
        return steps;
    };
    const struct {
        const char* what;
        Steps steps;
        const char* header;
    } cases[] = {
        {"no delay at all", {0xA1, 0x21}, "00"},
        {"four zero delays", withDelays({0, 0, 0, 0}), "00"},
        {"four equal delays", withDelays({5, 5, 5, 5}), "0140"},
        {"only the first four count", withDelays({5, 5, 5, 5, 9}), "0140"},
        {"a missing fourth counts as 0", withDelays({5, 5, 5}), "10"},
        {"one differs", withDelays({5, 5, 5, 9}), "10"},
        {"one delay", withDelays({10}), "10"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MacroBufToScript(SealedRecord(c.steps)).lines.front(), QString::fromLatin1(c.header)) << c.what;
}

TEST(MacroBufToScriptTest, InvalidLengthGivesTheHeaderAlone)
{
    for (const int length : {0, 223, 255}) {
        MacroRecord record{};
        record.fill(0xA1);
        record[0] = 1;
        record[1] = static_cast<Byte>(length);
        const MacroScript script = MacroBufToScript(record);
        EXPECT_EQ(script.lines, QStringList{"00"}) << length;
        EXPECT_FALSE(RecordChecksumValid(record)) << length;
        EXPECT_EQ(RecordHexLine(record), QString()) << length;
    }
}

TEST(RecordChecksumValidTest, ChecksumCoversLengthAndSteps)
{
    EXPECT_TRUE(RecordChecksumValid(kExampleRecord));

    MacroRecord changedStep = kExampleRecord;
    changedStep[5] ^= 0x01;
    EXPECT_FALSE(RecordChecksumValid(changedStep));

    // The release mode byte is not covered.
    MacroRecord otherMode = kExampleRecord;
    otherMode[0] = 0;
    EXPECT_TRUE(RecordChecksumValid(otherMode));

    // The longest record keeps its checksum in the last byte.
    const MacroRecord longest = SealedRecord(Steps(221, 0xA1));
    EXPECT_EQ(longest[1], 222);
    EXPECT_TRUE(RecordChecksumValid(longest));
    EXPECT_FALSE(RecordChecksumValid(MacroRecord{}));
}

TEST(MacroBufToScriptTest, AnyBytesDecodeToAScriptThatFitsAgain)
{
    std::mt19937 random(71);
    std::uniform_int_distribution<int> byteValue(0, 255);
    std::uniform_int_distribution<int> lengthValue(1, kMaxLengthByte);
    for (int round = 0; round < 2000; ++round) {
        MacroRecord record{};
        for (Byte& b : record)
            b = static_cast<Byte>(byteValue(random));
        record[1] = static_cast<Byte>(lengthValue(random));
        const MacroScript script = MacroBufToScript(record);
        const int stepBytes = record[1] - 1;
        ASSERT_LE(script.lines.size() - 1, stepBytes) << round;
        for (const QString& line : StepLines(script))
            ASSERT_GE(line.size(), 3) << round;
        // Merged delays never take more bytes than they came from.
        const EncodeResult again = MacroScriptToBuf(script);
        ASSERT_TRUE(again.fits) << round;
        ASSERT_LE(again.stepBytes, stepBytes) << round;
    }
}

TEST(DelayHeaderTest, ParsesAndWritesHeaderLines)
{
    const struct {
        const char* line;
        DelayHeader header;
        const char* written;
    } cases[] = {
        {"00", {DelayMode::None, 0}, "00"},
        {"10", {DelayMode::Record, 0}, "10"},
        {"0140", {DelayMode::Default, 40}, "0140"},
        {"012040", {DelayMode::Default, 2040}, "012040"},
        {"01", {DelayMode::Default, 0}, "010"},
        {"01abc", {DelayMode::Default, 0}, "010"},
        {"", {DelayMode::None, 0}, "00"},
        {"7 FD04", {DelayMode::None, 0}, "00"},
    };
    for (const auto& c : cases) {
        const DelayHeader header = ParseDelayHeader(QString::fromLatin1(c.line));
        EXPECT_EQ(header, c.header) << c.line;
        EXPECT_EQ(DelayHeaderLine(header), QString::fromLatin1(c.written)) << c.line;
    }
}

}  // namespace
}  // namespace orvex
