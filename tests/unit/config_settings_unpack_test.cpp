#include "config/SettingsModel.h"

#include <gtest/gtest.h>

#include "config/ConfigImage.h"
#include "config/FactoryImages.h"

namespace orvex {
namespace {

WorkingSections FactorySections()
{
    ConfigImage image;
    image.buffer = LoadFactoryImage(1);
    image.SplitImage();
    return image.sections;
}

WorkingSections DefaultSections()
{
    ConfigImage image;
    image.ResetToDefaults();
    return image.sections;
}

TEST(UnpackSettingsTest, ValuesOutsideTheirListsLeaveCombosWithoutSelection)
{
    const struct {
        const char* name;
        int section;  // 0 = ParameterA, 1 = ParameterB, 2 = FireKey
        int byte;
        Byte stored;
        int SettingsModel::*scalar;
        int expected;
    } cases[] = {
        {"CPI level count 7", 0, 2, 7, &SettingsModel::cpiLevelCount, 5},
        {"CPI level count 1", 0, 2, 1, &SettingsModel::cpiLevelCount, kNoSelection},
        {"CPI level count 8", 0, 2, 8, &SettingsModel::cpiLevelCount, kNoSelection},
        {"current level 6 of 6", 1, 0, 5, &SettingsModel::currentCpiLevel, 5},
        {"current level 7 of 6", 1, 0, 6, &SettingsModel::currentCpiLevel, kNoSelection},
        {"current level 0xFF", 1, 0, 0xFF, &SettingsModel::currentCpiLevel, kNoSelection},
        {"FireRepeat 1", 2, 2, 1, &SettingsModel::fireCount, 0},
        {"FireRepeat 126", 2, 2, 126, &SettingsModel::fireCount, 125},
        {"FireRepeat 0", 2, 2, 0, &SettingsModel::fireCount, kNoSelection},
        {"FireRepeat 127", 2, 2, 127, &SettingsModel::fireCount, kNoSelection},
        {"FireInterval 100", 2, 8, 100, &SettingsModel::fireInterval, 100},
    };
    for (const auto& c : cases) {
        WorkingSections sections = FactorySections();
        Byte& target = c.section == 0   ? sections.parameterA[c.byte]
                       : c.section == 1 ? sections.parameterB[c.byte]
                                        : sections.fireKey[c.byte];
        target = c.stored;
        EXPECT_EQ(UnpackSettings(sections, SettingsModel{}).*c.scalar, c.expected) << c.name;
    }
}

TEST(UnpackSettingsTest, CpiValueAndColourIndexesOutsideTheirListsShowNoSelection)
{
    WorkingSections sections = FactorySections();
    sections.parameterA[6] = 0xFF;
    sections.parameterA[7] = 11;
    sections.parameterA[8] = 10;
    sections.parameterA[13] = 7;
    sections.parameterA[14] = 6;
    const SettingsModel shown = UnpackSettings(sections, SettingsModel{});
    EXPECT_EQ(shown.cpiValue[0], kNoSelection);
    EXPECT_EQ(shown.cpiValue[1], kNoSelection);
    EXPECT_EQ(shown.cpiValue[2], 10);
    EXPECT_EQ(shown.cpiColour[0], kNoSelection);
    EXPECT_EQ(shown.cpiColour[1], 6);
}

TEST(UnpackSettingsTest, WithoutAValidLevelCountNoCurrentLevelIsSelected)
{
    WorkingSections sections = FactorySections();
    sections.parameterA[2] = 0xFF;
    sections.parameterB[0] = 0;
    EXPECT_EQ(UnpackSettings(sections, SettingsModel{}).currentCpiLevel, kNoSelection);
}

TEST(UnpackSettingsTest, LedCountEditShowsFourToThirteenAndKeepsItsValueOtherwise)
{
    const struct {
        Byte ledConfig;
        int expected;
    } cases[] = {{0x08, 13}, {0x38, 10}, {0x98, 4}, {0xA8, 77}, {0xF0, 77}};
    SettingsModel previous;
    previous.mcuLedCount = 77;
    for (const auto& c : cases) {
        WorkingSections sections = FactorySections();
        sections.parameterA[3] = c.ledConfig;
        EXPECT_EQ(UnpackSettings(sections, previous).mcuLedCount, c.expected) << int(c.ledConfig);
    }
}

TEST(UnpackSettingsTest, SensorCodesShowTheirItems)
{
    const int itemOfCode[] = {6, 3, 1, 7, 2, 5, 4, 0};  // code 0 "XY互换XY取反", code 7 "0°"
    for (int code = 0; code < 8; ++code) {
        WorkingSections sections = FactorySections();
        sections.parameterA[0] = static_cast<Byte>((sections.parameterA[0] & 0x8F) | (code << 4));
        EXPECT_EQ(UnpackSettings(sections, SettingsModel{}).sensorOrientation, itemOfCode[code]) << code;
    }
}

TEST(UnpackSettingsTest, ControllerLedShowsModeAndStepAndKeepsTheBreathingRadio)
{
    WorkingSections sections = FactorySections();  // controller LED
    SettingsModel previous;
    previous.norLedCpiBreathing = true;
    sections.parameterB[2] = 0xA0;  // mode 0, step 5, on
    SettingsModel shown = UnpackSettings(sections, previous);
    EXPECT_EQ(shown.mcuLedCurrentMode, kNoSelection);
    EXPECT_EQ(shown.mcuLedCurrentStep, 5);
    EXPECT_EQ(shown.ledOff, false);
    EXPECT_TRUE(shown.norLedCpiBreathing);

    sections.parameterB[2] = 0x0F;  // mode 7, step 0, off
    shown = UnpackSettings(sections, previous);
    EXPECT_EQ(shown.mcuLedCurrentMode, 6);
    EXPECT_EQ(shown.mcuLedCurrentStep, 0);
    EXPECT_EQ(shown.ledOff, true);
}

TEST(UnpackSettingsTest, SimpleLedShowsBreathingAsStoredAndKeepsTheStep)
{
    WorkingSections sections = DefaultSections();  // simple LED
    SettingsModel previous;
    previous.norLedCpiBreathing = true;
    previous.mcuLedCurrentStep = 6;
    previous.mcuLedCurrentMode = 4;

    sections.parameterB[2] = 0x00;
    SettingsModel shown = UnpackSettings(sections, previous);
    EXPECT_FALSE(shown.norLedCpiBreathing);  // not left over from the earlier image
    EXPECT_EQ(shown.mcuLedCurrentStep, 6);
    EXPECT_EQ(shown.mcuLedCurrentMode, 0);  // the rebuilt mode list selects its first item

    sections.parameterB[2] = 0x01;
    shown = UnpackSettings(sections, SettingsModel{});
    EXPECT_TRUE(shown.norLedCpiBreathing);
}

TEST(UnpackSettingsTest, KeyModeBitSelectsModeB)
{
    WorkingSections sections = FactorySections();
    sections.parameterB[4] = 0x80;
    EXPECT_EQ(UnpackSettings(sections, SettingsModel{}).keyMode, 1);
    sections.parameterB[4] = 0x7F;
    EXPECT_EQ(UnpackSettings(sections, SettingsModel{}).keyMode, 0);
}

TEST(SettingsRoundTripTest, FactoryImageAndDefaultsPackBackByteForByte)
{
    for (const auto& [name, original] : {std::pair{"factory image 1", FactorySections()},
                                         std::pair{"defaults", DefaultSections()}}) {
        WorkingSections packed = original;
        // Packed over other bytes, so that nothing passes merely by being
        // left alone; only the bits no control edits and the checksum stay.
        packed.parameterA.fill(0x00);
        packed.parameterA[1] = original.parameterA[1] & 0xF8;
        packed.parameterA[3] = original.parameterA[3] & 0x07;
        packed.parameterA[47] = original.parameterA[47];
        packed.parameterB.fill(0x5A);
        packed.fireKey[2] = 0x00;
        packed.fireKey[8] = 0x00;

        UIToDataBuf(UnpackSettings(original, SettingsModel{}), packed);

        EXPECT_EQ(packed.parameterA, original.parameterA) << name;
        EXPECT_EQ(packed.parameterB, original.parameterB) << name;
        EXPECT_EQ(packed.fireKey, original.fireKey) << name;
    }
}

}  // namespace
}  // namespace orvex
