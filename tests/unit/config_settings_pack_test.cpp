#include "config/SettingsModel.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/ConfigImage.h"
#include "config/FactoryImages.h"

namespace orvex {
namespace {

// Packing starts from the sections of factory image 1 and the controls as
// the refresh shows them, then changes what a case names.
class PackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ConfigImage image;
        image.buffer = LoadFactoryImage(1);
        image.SplitImage();
        sections = image.sections;
        shown = UnpackSettings(sections, SettingsModel{});
    }

    WorkingSections Packed(const SettingsModel& settings) const
    {
        WorkingSections packed = sections;
        UIToDataBuf(settings, packed);
        return packed;
    }

    WorkingSections sections;
    SettingsModel shown;
};

TEST_F(PackTest, SimpleLedAlwaysWritesFullModeMask)
{
    SettingsModel settings = shown;
    settings.simpleLed = true;
    settings.mcuLedModes = {false, true, false, false, false, false, false};
    EXPECT_EQ(Packed(settings).parameterA[4], 0xFF);
}

TEST_F(PackTest, ControllerLedModeMaskHasBitZeroAndTheTickedModes)
{
    SettingsModel settings = shown;
    settings.simpleLed = false;
    settings.mcuLedModes = {true, false, true, false, false, false, true};
    EXPECT_EQ(Packed(settings).parameterA[4], 0x01 | 0x02 | 0x08 | 0x80);
    settings.mcuLedModes = {};
    EXPECT_EQ(Packed(settings).parameterA[4], 0x01);
}

TEST_F(PackTest, LedCountWritesHighNibbleOnlyForFourToThirteen)
{
    const struct {
        int count;
        Byte packed;
    } cases[] = {
        {4, 0x9D}, {10, 0x3D}, {13, 0x0D},
        {3, 0x5D}, {14, 0x5D}, {0, 0x5D}, {-1, 0x5D},  // outside: bits 4..7 as they were
    };
    for (const auto& c : cases) {
        sections.parameterA[3] = 0x5D;  // 8 LEDs, 3-line scan, low bits 101
        SettingsModel settings = shown;
        settings.mcuLedCount = c.count;
        settings.threeLineScan = true;
        EXPECT_EQ(Packed(settings).parameterA[3], c.packed) << "count " << c.count;
    }
}

TEST_F(PackTest, SensorOrientationItemsStoreTheirCodes)
{
    const int codeOfItem[] = {7, 2, 4, 1, 6, 5, 0, 3};
    for (int item = 0; item < 8; ++item) {
        SettingsModel settings = shown;
        settings.sensorOrientation = item;
        const Byte flags = Packed(settings).parameterA[0];
        EXPECT_EQ((flags >> 4) & 0x07, codeOfItem[item]) << "item " << item;
        EXPECT_EQ(flags & 0x8F, 0x45 & 0x8F) << "item " << item;
    }
}

TEST_F(PackTest, OrientationWithoutSelectionKeepsTheStoredCode)
{
    SettingsModel settings = shown;
    settings.sensorOrientation = kNoSelection;
    sections.parameterA[0] = 0x35;  // code 3
    EXPECT_EQ(Packed(settings).parameterA[0], 0x35);
}

// Every radio pair of the parameter sections: where its bit lives.
struct RadioCase {
    const char* name;
    std::optional<bool> SettingsModel::*field;
    int section;  // 0 = ParameterA, 1 = ParameterB
    int byte;
    int bit;
};

const RadioCase kRadioCases[] = {
    {"rb_MCPIOn/Off", &SettingsModel::ledSwitchByMiddleCpi, 0, 0, 0},
    {"rb_FireFnOn/Off", &SettingsModel::fireOnFnLeft, 0, 0, 1},
    {"rb_LCPIOn/Off", &SettingsModel::ledModeByLeftCpi, 0, 0, 2},
    {"rb_NoSave/Save", &SettingsModel::keyModeNotSaved, 0, 0, 3},
    {"rb_NorLED/MCULED", &SettingsModel::simpleLed, 0, 0, 7},
    {"rb_MCULED3Control/6Control", &SettingsModel::threeLineScan, 0, 3, 3},
    {"rb_LEDOff/On", &SettingsModel::ledOff, 1, 2, 3},
};

Byte SectionByte(const WorkingSections& s, const RadioCase& c)
{
    return c.section == 0 ? s.parameterA[c.byte] : s.parameterB[c.byte];
}

TEST_F(PackTest, RadioPairWithNeitherCheckedKeepsItsBit)
{
    for (const auto& c : kRadioCases) {
        for (const bool stored : {false, true}) {
            const Byte mask = static_cast<Byte>(1u << c.bit);
            Byte& target = c.section == 0 ? sections.parameterA[c.byte] : sections.parameterB[c.byte];
            target = stored ? static_cast<Byte>(target | mask) : static_cast<Byte>(target & ~mask);
            SettingsModel settings = shown;
            settings.*c.field = std::nullopt;
            EXPECT_EQ((SectionByte(Packed(settings), c) & mask) != 0, stored) << c.name << " stored " << stored;
        }
    }
}

TEST_F(PackTest, RadioPairWithOneCheckedDecidesItsBit)
{
    for (const auto& c : kRadioCases) {
        for (const bool checked : {false, true}) {
            SettingsModel settings = shown;
            settings.*c.field = checked;
            const Byte mask = static_cast<Byte>(1u << c.bit);
            EXPECT_EQ((SectionByte(Packed(settings), c) & mask) != 0, checked) << c.name << " " << checked;
        }
    }
}

TEST_F(PackTest, CheckBoxesAlwaysWriteTheirBitsAndKeepTheRest)
{
    sections.parameterA[1] = 0xAD;  // bits 3..7 = 10101, bits 0..2 = 101
    SettingsModel settings = shown;
    settings.switchByMiddleHold = false;
    settings.switchByCpiHold = true;
    settings.switchByGunHold = false;
    EXPECT_EQ(Packed(settings).parameterA[1], 0xAA);
    settings.switchByMiddleHold = settings.switchByGunHold = true;
    EXPECT_EQ(Packed(settings).parameterA[1], 0xAF);
}

TEST_F(PackTest, CombosStoreIndexPlusOffsetAndNoSelectionAsIndexMinusOne)
{
    SettingsModel settings = shown;
    settings.cpiLevelCount = 5;  // "7"
    settings.cpiValue[0] = 10;
    settings.cpiColour[6] = 6;
    settings.fireCount = 0;  // "2" shots
    WorkingSections packed = Packed(settings);
    EXPECT_EQ(packed.parameterA[2], 7);
    EXPECT_EQ(packed.parameterA[6], 10);
    EXPECT_EQ(packed.parameterA[19], 6);
    EXPECT_EQ(packed.fireKey[2], 1);

    settings.cpiLevelCount = kNoSelection;
    settings.cpiValue[0] = kNoSelection;
    settings.cpiColour[6] = kNoSelection;
    settings.currentCpiLevel = kNoSelection;
    settings.fireCount = kNoSelection;
    packed = Packed(settings);
    EXPECT_EQ(packed.parameterA[2], 1);
    EXPECT_EQ(packed.parameterA[6], 0xFF);
    EXPECT_EQ(packed.parameterA[19], 0xFF);
    EXPECT_EQ(packed.parameterB[0], 0xFF);
    EXPECT_EQ(packed.parameterB[1], 0x00);
    EXPECT_EQ(packed.fireKey[2], 0);
}

TEST_F(PackTest, FireKeyGetsOnlyRepeatAndInterval)
{
    SettingsModel settings = shown;
    settings.fireCount = 125;  // "127"
    settings.fireInterval = 100;
    const FireKeySection before = sections.fireKey;
    const FireKeySection packed = Packed(settings).fireKey;
    EXPECT_EQ(packed[2], 126);
    EXPECT_EQ(packed[8], 100);
    for (int i : {0, 1, 3, 4, 5, 6, 7, 9, 10})
        EXPECT_EQ(packed[i], before[i]) << i;
}

TEST_F(PackTest, LedStateIsRebuiltForTheChosenLedType)
{
    const struct {
        const char* name;
        bool simpleLed;
        bool cpiBreathing;
        int currentMode;
        int step;
        std::optional<bool> ledOff;
        Byte storedState;
        Byte packed;
    } cases[] = {
        {"simple, CPI breathing, off", true, true, 6, 7, true, 0x00, 0x09},
        {"simple, no breathing, on, step ignored", true, false, 3, 5, false, 0xFF, 0x00},
        {"controller mode 7 step 7 on", false, true, 6, 7, false, 0x00, 0xE7},
        {"controller mode 2 step 2 off", false, false, 1, 2, true, 0x00, 0x4A},
        {"controller without current mode", false, false, kNoSelection, 0, false, 0x47, 0x00},
        {"controller step clamped to 7", false, false, 0, 9, false, 0x00, 0xE1},
        {"on/off undecided keeps off", false, false, 0, 0, std::nullopt, 0x08, 0x09},
        {"on/off undecided keeps on", true, false, 0, 0, std::nullopt, 0xF7, 0x00},
    };
    for (const auto& c : cases) {
        SettingsModel settings = shown;
        settings.simpleLed = c.simpleLed;
        settings.norLedCpiBreathing = c.cpiBreathing;
        settings.mcuLedCurrentMode = c.currentMode;
        settings.mcuLedCurrentStep = c.step;
        settings.ledOff = c.ledOff;
        sections.parameterB[2] = c.storedState;
        const ParameterBSection packed = Packed(settings).parameterB;
        EXPECT_EQ(packed[2], c.packed) << c.name;
        EXPECT_EQ(packed[3], 0xFF - c.packed) << c.name;
    }
}

TEST_F(PackTest, NeitherLedRadioFollowsTheStoredLedType)
{
    SettingsModel settings = shown;
    settings.simpleLed = std::nullopt;
    settings.mcuLedModes = {true, false, false, false, false, false, false};
    settings.mcuLedCurrentMode = 2;
    settings.norLedCpiBreathing = true;

    sections.parameterA[0] |= 0x80;  // stored: simple LED
    WorkingSections packed = Packed(settings);
    EXPECT_EQ(packed.parameterA[0] & 0x80, 0x80);
    EXPECT_EQ(packed.parameterA[4], 0xFF);
    EXPECT_EQ(packed.parameterB[2] & 0x07, 1);

    sections.parameterA[0] &= 0x7F;  // stored: controller LED
    packed = Packed(settings);
    EXPECT_EQ(packed.parameterA[0] & 0x80, 0x00);
    EXPECT_EQ(packed.parameterA[4], 0x03);
    EXPECT_EQ(packed.parameterB[2] & 0x07, 3);
}

TEST_F(PackTest, KeyModeStateIsZeroOrHighBitWithComplement)
{
    const struct {
        int keyMode;
        Byte state;
    } cases[] = {{0, 0x00}, {1, 0x80}, {kNoSelection, 0x00}};
    for (const auto& c : cases) {
        SettingsModel settings = shown;
        settings.keyMode = c.keyMode;
        sections.parameterB[4] = 0x7F;
        const ParameterBSection packed = Packed(settings).parameterB;
        EXPECT_EQ(packed[4], c.state) << c.keyMode;
        EXPECT_EQ(packed[5], 0xFF - c.state) << c.keyMode;
    }
}

TEST_F(PackTest, NumericEditsAreClampedToOneByte)
{
    SettingsModel settings = shown;
    settings.vendorId = 300;
    settings.productId = -4;
    settings.norLedBreathStep = 256;
    settings.fireInterval = 1000;
    settings.cpiRgb[6] = {-1, 128, 999};
    settings.keyModeAColour = {1, 2, 3};
    const WorkingSections packed = Packed(settings);
    EXPECT_EQ(packed.parameterB[6], 255);
    EXPECT_EQ(packed.parameterB[7], 0);
    EXPECT_EQ(packed.parameterA[5], 255);
    EXPECT_EQ(packed.fireKey[8], 255);
    EXPECT_EQ(packed.parameterA[44], 0);
    EXPECT_EQ(packed.parameterA[45], 128);
    EXPECT_EQ(packed.parameterA[46], 255);
    EXPECT_EQ(packed.parameterA[20], 1);
    EXPECT_EQ(packed.parameterA[21], 2);
    EXPECT_EQ(packed.parameterA[22], 3);
}

TEST_F(PackTest, ChecksumsAreLeftForTheSeal)
{
    SettingsModel settings = shown;
    settings.cpiValue[0] = 0;
    settings.fireInterval = 1;
    const WorkingSections packed = Packed(settings);
    EXPECT_EQ(packed.parameterA[47], sections.parameterA[47]);
    EXPECT_EQ(packed.fireKey[10], sections.fireKey[10]);
}

}  // namespace
}  // namespace orvex
