#pragma once

#include <array>
#include <optional>

#include "config/ImageLayout.h"

namespace orvex {

inline constexpr int kCpiLevelSlots = 7;
inline constexpr int kMcuLedModeCount = 7;

// Combo boxes hold an item index; this is the index of "no selection".
inline constexpr int kNoSelection = -1;

// The three numeric edits of one colour, each 0..255.
struct RgbEdits {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const RgbEdits&) const = default;
};

// What the engineer-page controls hold: every field of ParameterASection,
// ParameterBSection and the two edited bytes of FireKeySection. The other
// pages mirror these controls; only these are packed into the image.
//
// Radio pairs are std::optional<bool> holding the value of the bit they
// edit: the button that stands for bit = 1 is named first in the comment;
// nullopt = neither button checked (a group nothing has selected yet).
// Combo boxes are item indexes with kNoSelection; check boxes are bools;
// numeric edits are their values.
struct SettingsModel {
    // --- ParameterASection byte 0, OptionFlags
    std::optional<bool> ledSwitchByMiddleCpi;  // bit 0: rb_MCPIOn (1) / rb_MCPIOff (0)
    std::optional<bool> fireOnFnLeft;          // bit 1: rb_FireFnOn "Fn+左键" (1) / rb_FireFnOff "左键" (0)
    std::optional<bool> ledModeByLeftCpi;      // bit 2: rb_LCPIOn (1) / rb_LCPIOff (0)
    std::optional<bool> keyModeNotSaved;       // bit 3: rb_NoSave (1) / rb_Save (0)
    int sensorOrientation = kNoSelection;      // bits 4..6: cb_SensorOri item index 0..7
    std::optional<bool> simpleLed;             // bit 7: rb_NorLED (1) / rb_MCULED (0)

    // --- byte 1, KeyModeSwitchFlags (bits 3..7 are kept)
    bool switchByMiddleHold = false;  // bit 0: cb_MidPress "中键长按"
    bool switchByCpiHold = false;     // bit 1: cb_CPIPress "CPI长按"
    bool switchByGunHold = false;     // bit 2: cb_GunPress "枪键长按"

    // --- byte 2, CpiLevelCount
    int cpiLevelCount = kNoSelection;  // cb_CPIStep item index: level count − 2

    // --- byte 3, McuLedConfig (bits 0..2 are kept)
    std::optional<bool> threeLineScan;  // bit 3: rb_MCULED3Control "流光增亮版" (1) / rb_MCULED6Control "流光多点版" (0)
    int mcuLedCount = 0;                // bits 4..7: edt_MCULEDNum, only 4..13 are stored

    // --- byte 4, McuLedModeMask
    std::array<bool, kMcuLedModeCount> mcuLedModes{};  // cb_Mode1 .. cb_Mode7

    // --- byte 5, NorLedBreathStep
    int norLedBreathStep = 0;  // edt_NorLEDStep, 0..255 ms

    // --- bytes 6..12 and 13..19
    std::array<int, kCpiLevelSlots> cpiValue{kNoSelection, kNoSelection, kNoSelection, kNoSelection,
                                             kNoSelection, kNoSelection, kNoSelection};  // cb_CPI1 .. cb_CPI7
    std::array<int, kCpiLevelSlots> cpiColour{kNoSelection, kNoSelection, kNoSelection, kNoSelection,
                                              kNoSelection, kNoSelection, kNoSelection};  // cb_CPI1Color .. cb_CPI7Color

    // --- bytes 20..46
    RgbEdits keyModeAColour;                      // edt_KeyMode1R, edt_KeyMode1G, edt_KeyMode1B
    RgbEdits keyModeBColour;                      // edt_KeyMode2R, edt_KeyMode2G, edt_KeyMode2B
    std::array<RgbEdits, kCpiLevelSlots> cpiRgb;  // edt_CPI1R .. edt_CPI7B

    // --- ParameterBSection byte 0, CurrentCpiLevel
    int currentCpiLevel = kNoSelection;  // cb_CurrentCPI item index (items "1" .. level count)

    // --- byte 2, LedState
    bool norLedCpiBreathing = false;         // bits 0..2 = 1 for the simple LED: rb_NorLEDCPI "CPI呼吸"
    int mcuLedCurrentMode = kNoSelection;    // bits 0..2 = index + 1 for the controller LED: cb_MCULEDCurrentMode
    std::optional<bool> ledOff;              // bit 3: rb_LEDOff (1) / rb_LEDOn (0), group "LED工作状态"
    int mcuLedCurrentStep = 0;               // bits 5..7: edt_MCULEDCrtStep, 0..7

    // --- byte 4, KeyModeState
    int keyMode = kNoSelection;  // cb_KeyMode: 0 "模式A", 1 "模式B"

    // --- bytes 6, 7
    int vendorId = 255;   // edt_VendorID, 255 = generic
    int productId = 255;  // edt_ProductID, 255 = generic

    // --- FireKeySection bytes 2 and 8
    int fireCount = kNoSelection;  // cb_FireCount item index: shots − 2 (items "2" .. "127")
    int fireInterval = 100;        // edt_FireTime, units of 8 ms

    bool operator==(const SettingsModel&) const = default;
};

// The values the controls take when the working sections are shown (the
// data half of the page refresh). A stored value outside a combo box's items
// becomes kNoSelection. Controls the refresh leaves alone keep their value
// from previous: the LED count edit for a stored count outside 4..13, the
// speed step under the simple LED and the CPI-breathing radio under the
// controller LED.
SettingsModel UnpackSettings(const WorkingSections& sections, const SettingsModel& previous);

// Packs the controls into ParameterASection, ParameterBSection and bytes 2
// and 8 of FireKeySection. Bits no control edits, and bits of a radio pair
// with neither button checked, keep their value in sections. Checksums are
// not sealed here. Numeric edits are clamped to their field's range.
void UIToDataBuf(const SettingsModel& settings, WorkingSections& sections);

}  // namespace orvex
