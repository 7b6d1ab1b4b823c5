#include "config/SectionRules.h"

#include <gtest/gtest.h>

#include "config/Checksum.h"

namespace orvex {
namespace {

template <std::size_t N>
std::array<Byte, N> Filled(Byte value)
{
    std::array<Byte, N> bytes{};
    bytes.fill(value);
    return bytes;
}

TEST(SectionChecksumTest, SumModulo256XorFiveA)
{
    const Byte none[1] = {0};
    const Byte wraps[] = {0xFF, 0x02};  // 0x101 → 0x01
    EXPECT_EQ(SectionChecksum(none, 0), 0x5A);
    EXPECT_EQ(SectionChecksum(wraps, 2), 0x01 ^ 0x5A);
}

TEST(SectionDefaultsTest, ResetWritesTheDefaultBytes)
{
    ParameterASection a = Filled<48>(0x11);
    EXPECT_TRUE(ResetParameterASection(a));
    EXPECT_EQ(a, (ParameterASection{0xFF, 0xFE, 0x04, 0x00, 0xFF, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                                    0x07, 0x01, 0x04, 0x03, 0x00, 0x02, 0x05, 0x06, 0xFF, 0x00, 0x00, 0x00,
                                    0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0x00, 0x00,
                                    0x00, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x79}));

    ParameterBSection b = Filled<8>(0x11);
    EXPECT_TRUE(ResetParameterBSection(b));
    EXPECT_EQ(b, (ParameterBSection{0x01, 0xFE, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF}));

    FireKeySection fire = Filled<11>(0x11);
    EXPECT_TRUE(ResetFireKeySection(fire));
    EXPECT_EQ(fire, (FireKeySection{0x0A, 0xFD, 0x02, 0xA1, 0xFE, 0x03, 0x21, 0xFE, 0x64, 0xFC, 0x70}));

    ReservedSection1 r1 = Filled<30>(0x11);
    ReservedSection2 r2 = Filled<20>(0x11);
    ReservedSection3 r3 = Filled<30>(0x11);
    EXPECT_TRUE(ResetReservedSection1(r1));
    EXPECT_TRUE(ResetReservedSection2(r2));
    EXPECT_TRUE(ResetReservedSection3(r3));
    EXPECT_EQ(r1, Filled<30>(0x00));
    EXPECT_EQ(r2, Filled<20>(0x00));
    EXPECT_EQ(r3, Filled<30>(0x00));
}

TEST(SectionDefaultsTest, DefaultProfileHoldsNineCodesPerModeAndIsSealed)
{
    ProfileSection profile = Filled<55>(0x00);
    EXPECT_TRUE(ResetProfileSection(profile));
    const Byte codes[27] = {0x01, 0x01, 0x00, 0x01, 0x04, 0x00, 0x01, 0x02, 0x00, 0x01, 0x08, 0x00, 0x01, 0x10,
                            0x00, 0x05, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x02, 0x08, 0x07, 0x09, 0x00, 0x00};
    for (int i = 0; i < 27; ++i) {
        EXPECT_EQ(profile[i], codes[i]) << "mode A byte " << i;
        EXPECT_EQ(profile[27 + i], codes[i]) << "mode B byte " << i;
    }
    EXPECT_EQ(profile[54], 0xFE);
}

TEST(SectionDefaultsTest, DefaultsPassTheirOwnChecks)
{
    ParameterASection a{};
    ParameterBSection b{};
    ProfileSection profile{};
    FireKeySection fire{};
    ResetParameterASection(a);
    ResetParameterBSection(b);
    ResetProfileSection(profile);
    ResetFireKeySection(fire);
    EXPECT_FALSE(CheckParameterASection(a));
    EXPECT_FALSE(CheckParameterBSection(b));
    EXPECT_FALSE(CheckProfileSection(profile));
    EXPECT_FALSE(CheckFireKeySection(fire));
}

TEST(SectionSealTest, SealWritesTheChecksumOfTheBytesBeforeIt)
{
    ParameterASection a = Filled<48>(0x00);
    a[0] = 0x12;
    a[46] = 0x34;
    SealParameterASection(a);
    EXPECT_EQ(a[47], (0x12 + 0x34) ^ 0x5A);

    ProfileSection profile = Filled<55>(0x01);
    SealProfileSection(profile);
    EXPECT_EQ(profile[54], (54 & 0xFF) ^ 0x5A);

    FireKeySection fire = Filled<11>(0x80);
    SealFireKeySection(fire);
    EXPECT_EQ(fire[10], ((10 * 0x80) & 0xFF) ^ 0x5A);
}

TEST(SectionCheckTest, SealedSectionIsKeptAsItIs)
{
    ParameterASection a = Filled<48>(0x33);
    SealParameterASection(a);
    const auto sealedA = a;
    EXPECT_FALSE(CheckParameterASection(a));
    EXPECT_EQ(a, sealedA);

    ProfileSection profile = Filled<55>(0x0A);
    SealProfileSection(profile);
    const auto sealedProfile = profile;
    EXPECT_FALSE(CheckProfileSection(profile));
    EXPECT_EQ(profile, sealedProfile);
}

TEST(SectionCheckTest, WrongChecksumFallsBackToSealedDefaults)
{
    ParameterASection a{};
    ResetParameterASection(a);
    a[10] ^= 0x01;
    EXPECT_TRUE(CheckParameterASection(a));
    ParameterASection expectedA{};
    ResetParameterASection(expectedA);
    EXPECT_EQ(a, expectedA);

    ProfileSection profile = Filled<55>(0xFF);
    EXPECT_TRUE(CheckProfileSection(profile));
    ProfileSection expectedProfile{};
    ResetProfileSection(expectedProfile);
    EXPECT_EQ(profile, expectedProfile);

    FireKeySection fire{};
    ResetFireKeySection(fire);
    fire[8] = 0x06;  // interval changed without resealing
    EXPECT_TRUE(CheckFireKeySection(fire));
    FireKeySection expectedFire{};
    ResetFireKeySection(expectedFire);
    EXPECT_EQ(fire, expectedFire);
}

TEST(SectionCheckTest, ParameterBPairsAreRepairedAlone)
{
    const struct {
        const char* name;
        ParameterBSection before;
        ParameterBSection after;
        bool repaired;
    } cases[] = {
        {"all valid", {0x03, 0xFC, 0x42, 0xBD, 0x80, 0x7F, 0x12, 0x34},
         {0x03, 0xFC, 0x42, 0xBD, 0x80, 0x7F, 0x12, 0x34}, false},
        {"broken CPI level", {0x03, 0xFD, 0x42, 0xBD, 0x80, 0x7F, 0x12, 0x34},
         {0x01, 0xFE, 0x42, 0xBD, 0x80, 0x7F, 0x12, 0x34}, true},
        {"broken LED state keeps CPI level", {0x03, 0xFC, 0x42, 0x00, 0x80, 0x7F, 0x12, 0x34},
         {0x03, 0xFC, 0x01, 0xFE, 0x80, 0x7F, 0x12, 0x34}, true},
        {"broken key mode", {0x03, 0xFC, 0x42, 0xBD, 0x80, 0x80, 0x12, 0x34},
         {0x03, 0xFC, 0x42, 0xBD, 0x00, 0xFF, 0x12, 0x34}, true},
        {"blank EEPROM", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         {0x01, 0xFE, 0x01, 0xFE, 0x00, 0xFF, 0xFF, 0xFF}, true},
    };
    for (const auto& c : cases) {
        ParameterBSection section = c.before;
        EXPECT_EQ(CheckParameterBSection(section), c.repaired) << c.name;
        EXPECT_EQ(section, c.after) << c.name;
    }
}

}  // namespace
}  // namespace orvex
