// The edit filters of the step dialogs and the key step text.
#include <gtest/gtest.h>

#include "macro/StepEditFilters.h"

namespace orvex {
namespace {

struct FilterCase {
    const char* text;
    const char* kept;
};

class DelayFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(DelayFilterTest, KeepsADelayOfTheRange)
{
    EXPECT_EQ(FilterDelayText(QString::fromLatin1(GetParam().text)), QString::fromLatin1(GetParam().kept))
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, DelayFilterTest,
                         ::testing::Values(FilterCase{"", "0"}, FilterCase{"0", "0"}, FilterCase{"05", "5"},
                                           FilterCase{"2040", "2040"}, FilterCase{"2041", "2040"},
                                           FilterCase{"3000", "2040"}, FilterCase{"-5", "5"},
                                           FilterCase{"99999999999999999999", "2040"},
                                           FilterCase{"00000000000000000012", "12"},
                                           FilterCase{"1 2", "12"}));

struct ValueCase {
    StepEditKind kind;
    const char* text;
    const char* kept;
};

class ValueFilterTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueFilterTest, KeepsAValueOfTheRangeOfTheStep)
{
    const ValueCase& c = GetParam();
    EXPECT_EQ(FilterStepValueText(QString::fromLatin1(c.text), c.kind), QString::fromLatin1(c.kept)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValueFilterTest,
    ::testing::Values(ValueCase{StepEditKind::MoveX, "", "0"}, ValueCase{StepEditKind::MoveX, "-", "-"},
                      ValueCase{StepEditKind::MoveX, "127", "127"}, ValueCase{StepEditKind::MoveX, "128", "127"},
                      ValueCase{StepEditKind::MoveX, "-128", "-128"},
                      ValueCase{StepEditKind::MoveY, "-129", "-128"},
                      ValueCase{StepEditKind::MoveY, "-99999999999999", "-128"},
                      ValueCase{StepEditKind::MoveY, "12-", "12"}, ValueCase{StepEditKind::MoveY, "--3", "-3"},
                      ValueCase{StepEditKind::MoveY, "-0", "0"},
                      ValueCase{StepEditKind::RepeatStart, "", "0"},
                      ValueCase{StepEditKind::RepeatStart, "0", "1"},
                      ValueCase{StepEditKind::RepeatStart, "1", "1"},
                      ValueCase{StepEditKind::RepeatStart, "255", "255"},
                      ValueCase{StepEditKind::RepeatStart, "256", "255"},
                      ValueCase{StepEditKind::RepeatStart, "-", "-"},
                      ValueCase{StepEditKind::RepeatStart, "-7", "1"}));

TEST(ConfirmedStepValueTextTest, ALoneMinusIsNoValue)
{
    EXPECT_EQ(ConfirmedStepValueText(QStringLiteral("-")), "");
    EXPECT_EQ(ConfirmedStepValueText(QStringLiteral("-12")), "-12");
    EXPECT_EQ(ConfirmedStepValueText(QString()), "");
}

TEST(StepKeyTextTest, NamesTheKeyAndItsPressOrReleaseCode)
{
    EXPECT_EQ(StepKeyText(0x41, StepEditKind::KeyPress), "A CODE:8204");
    EXPECT_EQ(StepKeyText(0x41, StepEditKind::KeyRelease), "A CODE:0204");
    // A modifier edited here is an ordinary key step with its modifier usage.
    EXPECT_EQ(StepKeyText(0xA1, StepEditKind::KeyPress), "Right Shift CODE:82E5");
    EXPECT_EQ(StepKeyText(0x10, StepEditKind::KeyRelease), "Shift CODE:02E1");
    EXPECT_EQ(StepKeyText(0xB6, StepEditKind::KeyPress), "Launch_App1 CODE:8200");
}

}  // namespace
}  // namespace orvex
