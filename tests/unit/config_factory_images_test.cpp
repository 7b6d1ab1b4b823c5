#include "config/FactoryImages.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "config/Checksum.h"
#include "config/ConfigImage.h"
#include "config/ProfileCodes.h"
#include "config/SettingsModel.h"

namespace orvex {
namespace {

TEST(FactoryImagesTest, ImageOneIsSealedAndMarked)
{
    const ImageBuffer image = LoadFactoryImage(1);
    EXPECT_EQ(image[0x02F], SectionChecksum(&image[0x000], 47));
    EXPECT_EQ(image[0x076], SectionChecksum(&image[0x040], 54));
    EXPECT_EQ(image[0x0FA], SectionChecksum(&image[0x0F0], 10));
    EXPECT_TRUE(IsProfileImage(image));
    for (int address = 0x100; address < kImageSize; ++address)
        ASSERT_EQ(image[address], 0x00) << std::hex << address;

    ConfigImage split;
    split.buffer = image;
    EXPECT_FALSE(split.SplitImage().AnyRepaired());
}

TEST(FactoryImagesTest, ImageOneDecodesToTheShippedSettings)
{
    ConfigImage image;
    image.buffer = LoadFactoryImage(1);
    image.SplitImage();
    const SettingsModel shown = UnpackSettings(image.sections, SettingsModel{});

    EXPECT_EQ(shown.ledSwitchByMiddleCpi, true);
    EXPECT_EQ(shown.fireOnFnLeft, false);
    EXPECT_EQ(shown.ledModeByLeftCpi, true);
    EXPECT_EQ(shown.keyModeNotSaved, false);
    EXPECT_EQ(shown.sensorOrientation, 2);  // "180 °"
    EXPECT_EQ(shown.simpleLed, false);
    EXPECT_FALSE(shown.switchByMiddleHold || shown.switchByCpiHold || shown.switchByGunHold);
    EXPECT_EQ(shown.cpiLevelCount, 4);  // 6 levels
    // 800, 1600, 2400, 3200, 4800, 6400; level 7 holds 3200.
    EXPECT_EQ(shown.cpiValue, (std::array<int, 7>{1, 4, 6, 7, 9, 10, 7}));
    EXPECT_EQ(shown.threeLineScan, true);
    EXPECT_EQ(shown.mcuLedCount, 10);
    EXPECT_EQ(shown.mcuLedModes, (std::array<bool, 7>{true, true, true, true, true, true, true}));
    EXPECT_EQ(shown.keyModeAColour, (RgbEdits{255, 0, 127}));
    EXPECT_EQ(shown.keyModeBColour, (RgbEdits{255, 255, 255}));
    EXPECT_EQ(shown.currentCpiLevel, 1);     // level 2
    EXPECT_EQ(shown.mcuLedCurrentMode, 1);   // mode 2
    EXPECT_EQ(shown.mcuLedCurrentStep, 2);
    EXPECT_EQ(shown.ledOff, false);
    EXPECT_EQ(shown.keyMode, 0);
    EXPECT_EQ(shown.vendorId, 255);
    EXPECT_EQ(shown.productId, 255);
    EXPECT_EQ(shown.fireCount, 1);  // 3 shots
    EXPECT_EQ(shown.fireInterval, 6);

    const ProfileCodes codes = CodesFromProfile(image.sections.profile);
    const std::array<QString, 9> expected{"010100", "010400", "010200", "010800", "011000",
                                          "050000", "070000", "080000", "0600F0"};
    EXPECT_EQ(codes.modeA, expected);
    EXPECT_EQ(codes.modeB, expected);
}

TEST(FactoryImagesTest, TheThreeShippedImagesAreTheSame)
{
    const ImageBuffer first = LoadFactoryImage(1);
    EXPECT_EQ(LoadFactoryImage(2), first);
    EXPECT_EQ(LoadFactoryImage(3), first);
}

TEST(FactoryImagesTest, OnlyImagesOneToThreeExist)
{
    EXPECT_THROW(LoadFactoryImage(0), std::out_of_range);
    EXPECT_THROW(LoadFactoryImage(4), std::out_of_range);
}

}  // namespace
}  // namespace orvex
