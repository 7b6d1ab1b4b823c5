#include "config/SettingsModel.h"

#include <algorithm>

#include "config/SectionFields.h"
#include "config/SensorOrientation.h"
#include "perf/CpiValues.h"

namespace orvex {
namespace {

using namespace parameter_a;
using namespace parameter_b;
using fire_key::kFireInterval;
using fire_key::kFireRepeat;

constexpr int kMinCpiLevelCount = 2;
constexpr int kMinMcuLedCount = 4;
constexpr int kMaxMcuLedCount = 13;
constexpr int kMaxFireRepeat = 126;  // 127 shots, the last item of cb_FireCount
constexpr int kMaxLedStep = 7;

constexpr int kOptionLedSwitchBit = 0;
constexpr int kOptionFireFnBit = 1;
constexpr int kOptionLedModeBit = 2;
constexpr int kOptionNoSaveBit = 3;
constexpr int kOptionOrientationShift = 4;
constexpr Byte kOptionOrientationMask = 0x70;
constexpr int kOptionSimpleLedBit = 7;

constexpr int kScanModeBit = 3;
constexpr int kLedCountShift = 4;

constexpr Byte kLedStateModeMask = 0x07;
constexpr int kLedStateOffBit = 3;
constexpr int kLedStateStepShift = 5;
constexpr Byte kKeyModeB = 0x80;

bool TestBit(int value, int bit)
{
    return ((value >> bit) & 1) != 0;
}

Byte WithBit(Byte value, int bit, bool set)
{
    const auto mask = static_cast<Byte>(1u << bit);
    return set ? static_cast<Byte>(value | mask) : static_cast<Byte>(value & ~mask);
}

// A radio pair only decides its bit when one of its buttons is checked.
void PackRadio(Byte& value, int bit, const std::optional<bool>& choice)
{
    if (choice.has_value())
        value = WithBit(value, bit, *choice);
}

// A combo box stores its index plus the offset of its list; "no selection"
// stores the byte of index −1 (0xFF for a plain list).
Byte ComboByte(int index, int offset)
{
    return static_cast<Byte>(index + offset);
}

// The edits clamp as they are typed in; the packer clamps again so that a
// value from any other source cannot spill into a neighbouring field.
Byte EditByte(int value, int maximum = 0xFF)
{
    return static_cast<Byte>(std::clamp(value, 0, maximum));
}

int ListIndex(Byte stored, int itemCount)
{
    return stored < itemCount ? stored : kNoSelection;
}

void UnpackRgb(const ParameterASection& section, int offset, RgbEdits& rgb)
{
    rgb.red = section[offset];
    rgb.green = section[offset + 1];
    rgb.blue = section[offset + 2];
}

void PackRgb(const RgbEdits& rgb, int offset, ParameterASection& section)
{
    section[offset] = EditByte(rgb.red);
    section[offset + 1] = EditByte(rgb.green);
    section[offset + 2] = EditByte(rgb.blue);
}

void StoreWithComplement(ParameterBSection& section, int offset, Byte value)
{
    section[offset] = value;
    section[offset + 1] = static_cast<Byte>(0xFF - value);
}

void UnpackParameterA(const ParameterASection& a, SettingsModel& m)
{
    const Byte flags = a[kOptionFlags];
    m.ledSwitchByMiddleCpi = TestBit(flags, kOptionLedSwitchBit);
    m.fireOnFnLeft = TestBit(flags, kOptionFireFnBit);
    m.ledModeByLeftCpi = TestBit(flags, kOptionLedModeBit);
    m.keyModeNotSaved = TestBit(flags, kOptionNoSaveBit);
    m.sensorOrientation = SensorOrientationItem(flags >> kOptionOrientationShift);
    m.simpleLed = TestBit(flags, kOptionSimpleLedBit);

    const Byte switching = a[kKeyModeSwitchFlags];
    m.switchByMiddleHold = TestBit(switching, 0);
    m.switchByCpiHold = TestBit(switching, 1);
    m.switchByGunHold = TestBit(switching, 2);

    const int levelCount = a[kCpiLevelCount];
    m.cpiLevelCount = levelCount >= kMinCpiLevelCount && levelCount <= kCpiLevelSlots
                          ? levelCount - kMinCpiLevelCount
                          : kNoSelection;

    const Byte ledConfig = a[kMcuLedConfig];
    m.threeLineScan = TestBit(ledConfig, kScanModeBit);
    // Nibbles 10..15 would mean fewer than four LEDs; the edit keeps what it
    // showed.
    const int countCode = ledConfig >> kLedCountShift;
    if (countCode <= kMaxMcuLedCount - kMinMcuLedCount)
        m.mcuLedCount = kMaxMcuLedCount - countCode;

    for (int mode = 0; mode < kMcuLedModeCount; ++mode)
        m.mcuLedModes[mode] = TestBit(a[kMcuLedModeMask], mode + 1);

    m.norLedBreathStep = a[kNorLedBreathStep];
    for (int level = 0; level < kCpiLevelSlots; ++level) {
        m.cpiValue[level] = ListIndex(a[kCpiValueIndex + level], kCpiValueCount);
        m.cpiColour[level] = ListIndex(a[kCpiColourIndex + level], kNamedLedColourCount);
        UnpackRgb(a, kCpiRgb + 3 * level, m.cpiRgb[level]);
    }
    UnpackRgb(a, kKeyModeAColour, m.keyModeAColour);
    UnpackRgb(a, kKeyModeBColour, m.keyModeBColour);
}

void UnpackParameterB(const ParameterBSection& b, SettingsModel& m)
{
    // cb_CurrentCPI lists "1" .. level count; without a valid count it has
    // no items to select.
    const int levelCount = m.cpiLevelCount == kNoSelection ? 0 : m.cpiLevelCount + kMinCpiLevelCount;
    m.currentCpiLevel = ListIndex(b[kCurrentCpiLevel], levelCount);

    const Byte ledState = b[kLedState];
    const int ledMode = ledState & kLedStateModeMask;
    // Rebuilding the mode list selects its first item whatever the LED type.
    m.mcuLedCurrentMode = 0;
    if (m.simpleLed.value_or(false)) {
        // Shown as stored: the radio must not keep a CPI breathing left over
        // from an earlier image, or the next write would change the mode.
        m.norLedCpiBreathing = ledMode == 1;
    } else {
        m.mcuLedCurrentMode = ledMode - 1;  // mode 0 leaves the list without a selection
        m.mcuLedCurrentStep = ledState >> kLedStateStepShift;
    }
    m.ledOff = TestBit(ledState, kLedStateOffBit);

    m.keyMode = (b[kKeyModeState] & kKeyModeB) != 0 ? 1 : 0;
    m.vendorId = b[kVendorIdByte];
    m.productId = b[kProductIdByte];
}

void PackParameterA(const SettingsModel& m, ParameterASection& a)
{
    Byte flags = a[kOptionFlags];
    PackRadio(flags, kOptionLedSwitchBit, m.ledSwitchByMiddleCpi);
    PackRadio(flags, kOptionFireFnBit, m.fireOnFnLeft);
    PackRadio(flags, kOptionLedModeBit, m.ledModeByLeftCpi);
    PackRadio(flags, kOptionNoSaveBit, m.keyModeNotSaved);
    // An orientation box without a selection keeps the stored orientation:
    // a wrong guess would turn the cursor movement of the mouse.
    if (const auto code = SensorOrientationCode(m.sensorOrientation)) {
        flags = static_cast<Byte>((flags & ~kOptionOrientationMask) | (*code << kOptionOrientationShift));
    }
    PackRadio(flags, kOptionSimpleLedBit, m.simpleLed);
    a[kOptionFlags] = flags;

    Byte switching = a[kKeyModeSwitchFlags];
    switching = WithBit(switching, 0, m.switchByMiddleHold);
    switching = WithBit(switching, 1, m.switchByCpiHold);
    switching = WithBit(switching, 2, m.switchByGunHold);
    a[kKeyModeSwitchFlags] = switching;

    a[kCpiLevelCount] = ComboByte(m.cpiLevelCount, kMinCpiLevelCount);

    Byte ledConfig = a[kMcuLedConfig];
    PackRadio(ledConfig, kScanModeBit, m.threeLineScan);
    if (m.mcuLedCount >= kMinMcuLedCount && m.mcuLedCount <= kMaxMcuLedCount) {
        ledConfig = static_cast<Byte>((ledConfig & 0x0F) | ((kMaxMcuLedCount - m.mcuLedCount) << kLedCountShift));
    }
    a[kMcuLedConfig] = ledConfig;

    // With neither LED radio checked, the LED type bit was kept above, and
    // the LED fields follow the type the section already names.
    if (TestBit(flags, kOptionSimpleLedBit)) {
        a[kMcuLedModeMask] = 0xFF;
    } else {
        Byte modeMask = 0x01;
        for (int mode = 0; mode < kMcuLedModeCount; ++mode)
            modeMask = WithBit(modeMask, mode + 1, m.mcuLedModes[mode]);
        a[kMcuLedModeMask] = modeMask;
    }

    a[kNorLedBreathStep] = EditByte(m.norLedBreathStep);
    for (int level = 0; level < kCpiLevelSlots; ++level)
        a[kCpiValueIndex + level] = ComboByte(m.cpiValue[level], 0);
    for (int level = 0; level < kCpiLevelSlots; ++level)
        a[kCpiColourIndex + level] = ComboByte(m.cpiColour[level], 0);
    PackRgb(m.keyModeAColour, kKeyModeAColour, a);
    PackRgb(m.keyModeBColour, kKeyModeBColour, a);
    for (int level = 0; level < kCpiLevelSlots; ++level)
        PackRgb(m.cpiRgb[level], kCpiRgb + 3 * level, a);
}

void PackParameterB(const SettingsModel& m, bool simpleLed, ParameterBSection& b)
{
    StoreWithComplement(b, kCurrentCpiLevel, ComboByte(m.currentCpiLevel, 0));

    Byte ledState = 0;
    if (simpleLed) {
        ledState = m.norLedCpiBreathing ? 1 : 0;
    } else {
        ledState = static_cast<Byte>(ComboByte(m.mcuLedCurrentMode, 1) & kLedStateModeMask);
        ledState |= static_cast<Byte>(EditByte(m.mcuLedCurrentStep, kMaxLedStep) << kLedStateStepShift);
    }
    // The state is rebuilt, but an undecided on/off pair keeps the LED as it
    // was rather than switching it on.
    const bool ledOff = m.ledOff.value_or(TestBit(b[kLedState], kLedStateOffBit));
    ledState = WithBit(ledState, kLedStateOffBit, ledOff);
    StoreWithComplement(b, kLedState, ledState);

    StoreWithComplement(b, kKeyModeState, m.keyMode == 1 ? kKeyModeB : 0x00);
    b[kVendorIdByte] = EditByte(m.vendorId);
    b[kProductIdByte] = EditByte(m.productId);
}

}  // namespace

SettingsModel UnpackSettings(const WorkingSections& sections, const SettingsModel& previous)
{
    SettingsModel model = previous;
    UnpackParameterA(sections.parameterA, model);
    UnpackParameterB(sections.parameterB, model);

    const int fireRepeat = sections.fireKey[kFireRepeat];
    model.fireCount = fireRepeat >= 1 && fireRepeat <= kMaxFireRepeat ? fireRepeat - 1 : kNoSelection;
    model.fireInterval = sections.fireKey[kFireInterval];
    return model;
}

void UIToDataBuf(const SettingsModel& settings, WorkingSections& sections)
{
    PackParameterA(settings, sections.parameterA);
    const bool simpleLed = TestBit(sections.parameterA[kOptionFlags], kOptionSimpleLedBit);
    PackParameterB(settings, simpleLed, sections.parameterB);

    sections.fireKey[kFireRepeat] = ComboByte(settings.fireCount, 1);
    sections.fireKey[kFireInterval] = EditByte(settings.fireInterval);
}

}  // namespace orvex
