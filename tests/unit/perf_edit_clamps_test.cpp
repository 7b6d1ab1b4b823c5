#include "perf/EditClamps.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

struct ClampCase {
    const char* rule;
    const EditClampRule* clamp;
    const char* text;
    EditPhase phase;
    std::optional<QString> expected;
};

TEST(EditClampsTest, TooLargeBecomesTheMaximumAndEmptyTheDefault)
{
    constexpr EditPhase kTyping = EditPhase::Typing;
    const ClampCase cases[] = {
        {"fire time", &kFireTimeClamp, "", kTyping, QStringLiteral("100")},
        {"fire time", &kFireTimeClamp, "256", kTyping, QStringLiteral("255")},
        {"fire time", &kFireTimeClamp, "255", kTyping, std::nullopt},
        {"fire time", &kFireTimeClamp, "0", kTyping, std::nullopt},
        {"identity", &kIdentityByteClamp, "", kTyping, QStringLiteral("255")},
        {"identity", &kIdentityByteClamp, "0", kTyping, std::nullopt},
        {"colour", &kColourComponentClamp, "", kTyping, QStringLiteral("0")},
        {"colour", &kColourComponentClamp, "300", kTyping, QStringLiteral("255")},
        {"colour", &kColourComponentClamp, "007", kTyping, std::nullopt},
        {"breath step", &kBreathStepClamp, "", kTyping, QStringLiteral("0")},
        {"LED step", &kLedStepClamp, "8", kTyping, QStringLiteral("7")},
        {"LED step", &kLedStepClamp, "7", kTyping, std::nullopt},
    };
    for (const ClampCase& c : cases)
        EXPECT_EQ(ClampedEditText(QString::fromLatin1(c.text), *c.clamp, c.phase), c.expected)
            << c.rule << " '" << c.text << "'";
}

TEST(EditClampsTest, LedCountLetsALeadingOneStandOnlyWhileTyping)
{
    const struct {
        const char* text;
        EditPhase phase;
        std::optional<QString> expected;
    } cases[] = {
        {"", EditPhase::Typing, QStringLiteral("4")},   {"0", EditPhase::Typing, QStringLiteral("4")},
        {"1", EditPhase::Typing, std::nullopt},         {"2", EditPhase::Typing, QStringLiteral("4")},
        {"3", EditPhase::Typing, QStringLiteral("4")},  {"4", EditPhase::Typing, std::nullopt},
        {"13", EditPhase::Typing, std::nullopt},        {"14", EditPhase::Typing, QStringLiteral("13")},
        {"1", EditPhase::Finished, QStringLiteral("4")}, {"12", EditPhase::Finished, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClampedEditText(QString::fromLatin1(c.text), kLedCountClamp, c.phase), c.expected)
            << "'" << c.text << "'";
}

TEST(EditClampsTest, TextThatIsNoNumberCountsAsEmpty)
{
    // Pasted text passes the key filter; it must not survive as a silent 0.
    EXPECT_EQ(ClampedEditText(QStringLiteral("12a"), kFireTimeClamp, EditPhase::Typing), QStringLiteral("100"));
    EXPECT_EQ(ClampedEditText(QStringLiteral("-5"), kColourComponentClamp, EditPhase::Typing), QStringLiteral("0"));
    EXPECT_EQ(ClampedEditText(QStringLiteral(" 7"), kIdentityByteClamp, EditPhase::Typing), QStringLiteral("255"));
    // Digits beyond an int are still a number, and too large.
    EXPECT_EQ(ClampedEditText(QStringLiteral("99999999999999"), kLedStepClamp, EditPhase::Typing),
              QStringLiteral("7"));
}

}  // namespace
}  // namespace orvex
