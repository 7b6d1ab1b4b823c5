#include "config/ProfileCodes.h"

#include <gtest/gtest.h>

#include "config/SectionRules.h"

namespace orvex {
namespace {

ProfileSection DefaultProfile()
{
    ProfileSection profile{};
    ResetProfileSection(profile);
    return profile;
}

TEST(ProfileCodesTest, CodesAreTheSectionBytesAsUpperCaseHex)
{
    ProfileSection profile = DefaultProfile();
    profile[24] = 0x0e;  // mode A button 9
    profile[25] = 0xab;
    profile[26] = 0xcd;
    profile[51] = 0x06;  // mode B button 9
    profile[52] = 0x00;
    profile[53] = 0xF0;
    const ProfileCodes codes = CodesFromProfile(profile);
    EXPECT_EQ(codes.modeA[0], QStringLiteral("010100"));
    EXPECT_EQ(codes.modeA[7], QStringLiteral("020807"));
    EXPECT_EQ(codes.modeA[8], QStringLiteral("0EABCD"));
    EXPECT_EQ(codes.modeB[0], QStringLiteral("010100"));
    EXPECT_EQ(codes.modeB[8], QStringLiteral("0600F0"));
}

TEST(ProfileCodesTest, StoringACodeWritesTextAndBytesOfThatButtonOnly)
{
    ProfileSection profile = DefaultProfile();
    ProfileCodes codes = CodesFromProfile(profile);
    const ProfileSection before = profile;

    ASSERT_TRUE(StoreButtonCode(profile, codes, KeyMode::B, 9, QStringLiteral("0300cd")));

    EXPECT_EQ(codes.modeB[8], QStringLiteral("0300CD"));
    EXPECT_EQ(profile[51], 0x03);
    EXPECT_EQ(profile[52], 0x00);
    EXPECT_EQ(profile[53], 0xCD);
    for (int i = 0; i < 51; ++i)
        EXPECT_EQ(profile[i], before[i]) << i;
    EXPECT_EQ(profile[54], before[54]);  // sealed when the image is assembled
    EXPECT_EQ(CodesFromProfile(profile), codes);

    ASSERT_TRUE(StoreButtonCode(profile, codes, KeyMode::A, 1, QStringLiteral("0A0300")));
    EXPECT_EQ(profile[0], 0x0A);
    EXPECT_EQ(profile[1], 0x03);
    EXPECT_EQ(CodesFromProfile(profile), codes);
}

TEST(ProfileCodesTest, InvalidButtonOrCodeChangesNothing)
{
    ProfileSection profile = DefaultProfile();
    ProfileCodes codes = CodesFromProfile(profile);
    const ProfileSection sectionBefore = profile;
    const ProfileCodes codesBefore = codes;
    const struct {
        int button;
        const char* code;
    } cases[] = {{0, "010100"}, {10, "010100"}, {1, ""}, {1, "0A03"}, {1, "0A03XY"}};
    for (const auto& c : cases) {
        EXPECT_FALSE(StoreButtonCode(profile, codes, KeyMode::A, c.button, QString::fromLatin1(c.code)))
            << c.button << " " << c.code;
    }
    EXPECT_EQ(profile, sectionBefore);
    EXPECT_EQ(codes, codesBefore);
}

TEST(AimKeyToDataBufTest, EveryAimKeyOfBothModesGetsTheCurrentIndex)
{
    ProfileSection profile = DefaultProfile();
    ProfileCodes codes = CodesFromProfile(profile);
    StoreButtonCode(profile, codes, KeyMode::A, 3, QStringLiteral("0A0200"));
    StoreButtonCode(profile, codes, KeyMode::B, 5, QStringLiteral("0A0700"));
    StoreButtonCode(profile, codes, KeyMode::B, 9, QStringLiteral("0AFF11"));
    // Codes that are no AIM key, even where p1/p2 look alike or the type
    // byte appears elsewhere.
    StoreButtonCode(profile, codes, KeyMode::A, 4, QStringLiteral("0B0200"));
    StoreButtonCode(profile, codes, KeyMode::A, 5, QStringLiteral("000A00"));
    const ProfileSection before = profile;

    AIMKeyToDataBuf(profile, codes, 10);

    ProfileCodes expected = codes;
    expected.modeA[2] = QStringLiteral("0A0A00");
    expected.modeB[4] = QStringLiteral("0A0A00");
    expected.modeB[8] = QStringLiteral("0A0A00");
    EXPECT_EQ(CodesFromProfile(profile), expected);
    EXPECT_EQ(profile[54], before[54]);
}

TEST(AimKeyToDataBufTest, IndexOutsideTheCpiListLeavesCodesAlone)
{
    ProfileSection profile = DefaultProfile();
    ProfileCodes codes = CodesFromProfile(profile);
    StoreButtonCode(profile, codes, KeyMode::A, 2, QStringLiteral("0A0400"));
    const ProfileSection before = profile;
    AIMKeyToDataBuf(profile, codes, 11);
    EXPECT_EQ(profile, before);
    AIMKeyToDataBuf(profile, codes, -1);
    EXPECT_EQ(profile, before);
}

}  // namespace
}  // namespace orvex
