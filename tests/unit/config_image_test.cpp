#include "config/ConfigImage.h"

#include <gtest/gtest.h>

#include "config/FactoryImages.h"
#include "config/ProfileCodes.h"
#include "config/SectionRules.h"
#include "config/SettingsModel.h"

namespace orvex {
namespace {

struct Range {
    int first;
    int last;
};

// Every byte of the image outside the sections.
constexpr Range kGaps[] = {{0x038, 0x03F}, {0x077, 0x07F}, {0x09E, 0x0AF},
                           {0x0C4, 0x0CF}, {0x0EE, 0x0EF}, {0x0FB, 0x0FF}};

WorkingSections DefaultSections()
{
    ConfigImage image;
    image.ResetToDefaults();
    return image.sections;
}

// Factory image 1 with every gap byte but the type marker and every reserved
// byte set to a pattern of its address, so that a byte lost or moved shows.
ImageBuffer PatternedImage()
{
    ImageBuffer buffer = LoadFactoryImage(1);
    for (const auto& gap : kGaps) {
        for (int address = gap.first; address <= gap.last; ++address) {
            if (address != layout::kImageTypeMarkerOffset)
                buffer[address] = static_cast<Byte>(address * 7 + 3);
        }
    }
    for (const auto place : {layout::kReserved1, layout::kReserved2, layout::kReserved3}) {
        for (int i = 0; i < place.length; ++i)
            buffer[place.offset + i] = static_cast<Byte>(place.offset + i * 5);
    }
    return buffer;
}

TEST(SplitImageTest, BlankEepromSplitsIntoDefaultsWithReservedKept)
{
    ConfigImage image;
    image.buffer.fill(0xFF);
    const SplitReport report = image.SplitImage();

    const WorkingSections defaults = DefaultSections();
    EXPECT_EQ(image.sections.parameterA, defaults.parameterA);
    EXPECT_EQ(image.sections.parameterB, (ParameterBSection{0x01, 0xFE, 0x01, 0xFE, 0x00, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(image.sections.profile, defaults.profile);
    EXPECT_EQ(image.sections.fireKey, defaults.fireKey);
    ReservedSection1 blank1{};
    ReservedSection2 blank2{};
    ReservedSection3 blank3{};
    blank1.fill(0xFF);
    blank2.fill(0xFF);
    blank3.fill(0xFF);
    EXPECT_EQ(image.sections.reserved1, blank1);
    EXPECT_EQ(image.sections.reserved2, blank2);
    EXPECT_EQ(image.sections.reserved3, blank3);

    EXPECT_EQ(report, (SplitReport{true, true, true, true}));
    EXPECT_EQ(report.RepairedSectionNames(),
              (QStringList{"ParameterASection", "ParameterBSection", "ProfileSection", "FireKeySection"}));
}

TEST(SplitImageTest, OneChangedParameterAByteResetsOnlyThatSection)
{
    ConfigImage image;
    image.buffer = LoadFactoryImage(1);
    image.buffer[layout::kParameterA.offset + 6] = 0x02;  // level 1 CPI, checksum left stale
    const ImageBuffer asLoaded = image.buffer;

    const SplitReport report = image.SplitImage();

    EXPECT_EQ(report, (SplitReport{true, false, false, false}));
    EXPECT_EQ(report.RepairedSectionNames(), QStringList{"ParameterASection"});
    EXPECT_EQ(image.sections.parameterA, DefaultSections().parameterA);
    EXPECT_EQ(image.sections.parameterB, (ParameterBSection{0x01, 0xFE, 0x42, 0xBD, 0x00, 0xFF, 0xFF, 0xFF}));
    // The repair lives in the working copy only.
    EXPECT_EQ(image.buffer, asLoaded);
}

TEST(SplitImageTest, ValidImageSplitsUnchangedWithMacroAreaCopied)
{
    ConfigImage image;
    image.buffer = LoadFactoryImage(1);
    for (int i = 0; i < layout::kMacroArea.length; ++i)
        image.buffer[layout::kMacroArea.offset + i] = static_cast<Byte>(i);

    const SplitReport report = image.SplitImage();

    EXPECT_FALSE(report.AnyRepaired());
    EXPECT_TRUE(report.RepairedSectionNames().isEmpty());
    EXPECT_EQ(image.sections.profile[0x36], 0x06);  // its own checksum
    for (int i = 0; i < layout::kMacroArea.length; ++i)
        ASSERT_EQ(image.sections.macroArea[i], static_cast<Byte>(i)) << i;
}

TEST(AssembleImageTest, SplitAndAssembleCarryGapsAndReservedSectionsUnchanged)
{
    ConfigImage image;
    image.buffer = PatternedImage();
    const ImageBuffer original = image.buffer;

    image.SplitImage();
    const SettingsModel shown = UnpackSettings(image.sections, SettingsModel{});
    image.AssembleImage(shown, 0);

    EXPECT_EQ(image.buffer, original);
}

TEST(AssembleImageTest, GapBytesSurviveEvenWhenEverySectionChanges)
{
    ConfigImage image;
    image.buffer = PatternedImage();
    const ImageBuffer original = image.buffer;
    image.sections = DefaultSections();  // the pages show other values entirely

    image.AssembleImage(UnpackSettings(image.sections, SettingsModel{}), 0);

    for (const auto& gap : kGaps) {
        for (int address = gap.first; address <= gap.last; ++address)
            EXPECT_EQ(image.buffer[address], original[address]) << std::hex << address;
    }
    EXPECT_TRUE(IsProfileImage(image.buffer));
}

TEST(AssembleImageTest, PackedChangesAreSealedSoTheNextSplitKeepsThem)
{
    ConfigImage image;
    image.buffer = LoadFactoryImage(1);
    image.SplitImage();
    SettingsModel settings = UnpackSettings(image.sections, SettingsModel{});
    settings.cpiValue[2] = 4;  // level 3: 1600
    settings.fireCount = 125;  // 127 shots
    settings.currentCpiLevel = 3;
    // A code written without its checksum, as an assignment does.
    ProfileCodes codes = CodesFromProfile(image.sections.profile);
    ASSERT_TRUE(StoreButtonCode(image.sections.profile, codes, KeyMode::B, 4, QStringLiteral("0A0000")));

    image.AssembleImage(settings, 9);

    ConfigImage reread;
    reread.buffer = image.buffer;
    EXPECT_FALSE(reread.SplitImage().AnyRepaired());
    EXPECT_EQ(reread.sections.parameterA[8], 4);
    EXPECT_EQ(reread.sections.fireKey[2], 126);
    EXPECT_EQ(reread.sections.parameterB[0], 3);
    EXPECT_EQ(reread.sections.parameterB[1], 252);
    EXPECT_EQ(CodesFromProfile(reread.sections.profile).modeB[3], QStringLiteral("0A0900"));
}

TEST(AssembleImageTest, RepairedSectionReachesTheBufferOnlyWithTheNextAssemble)
{
    ConfigImage image;
    image.buffer = LoadFactoryImage(1);
    image.buffer[layout::kFireKey.offset + 10] ^= 0xFF;
    image.SplitImage();
    EXPECT_EQ(image.buffer[layout::kFireKey.offset + 8], 0x06);

    image.AssembleImage(UnpackSettings(image.sections, SettingsModel{}), 0);

    EXPECT_EQ(image.buffer[layout::kFireKey.offset + 8], 0x64);  // the default interval
    EXPECT_EQ(image.buffer[layout::kFireKey.offset + 10], 0x70);
}

TEST(ResetToDefaultsTest, WritesSealedDefaultsAndEmptyMacroAreaKeepingGaps)
{
    ConfigImage image;
    image.buffer = PatternedImage();
    image.buffer[layout::kMacroArea.offset + 17] = 0x55;
    image.SplitImage();
    const ImageBuffer before = image.buffer;

    image.ResetToDefaults();

    for (const auto& gap : kGaps) {
        for (int address = gap.first; address <= gap.last; ++address)
            EXPECT_EQ(image.buffer[address], before[address]) << std::hex << address;
    }
    for (int i = 0; i < layout::kMacroArea.length; ++i)
        ASSERT_EQ(image.buffer[layout::kMacroArea.offset + i], 0x00) << i;
    for (int i = 0; i < layout::kReserved2.length; ++i)
        EXPECT_EQ(image.buffer[layout::kReserved2.offset + i], 0x00) << i;

    ConfigImage reread;
    reread.buffer = image.buffer;
    EXPECT_FALSE(reread.SplitImage().AnyRepaired());
    EXPECT_EQ(reread.sections, image.sections);
}

TEST(ProfileImageTest, MarkerByteDecides)
{
    ImageBuffer buffer{};
    EXPECT_FALSE(IsProfileImage(buffer));
    buffer[0x07F] = 0x99;
    EXPECT_TRUE(IsProfileImage(buffer));
    buffer[0x07F] = 0x98;
    EXPECT_FALSE(IsProfileImage(buffer));
}

}  // namespace
}  // namespace orvex
