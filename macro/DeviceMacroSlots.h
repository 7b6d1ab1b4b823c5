#pragma once

#include <QString>

#include <array>

#include "macro/MacroTypes.h"

namespace orvex {

// The working copies of the seven device slots, slot k (1..7) at index k - 1.
struct DeviceMacroSlots {
    std::array<MacroNameField, kDeviceSlotCount> names{};
    std::array<MacroRecord, kDeviceSlotCount> records{};

    bool operator==(const DeviceMacroSlots&) const = default;
};

// The 18 button codes of both key profiles (Mode A, then Mode B) as CodeText.
using ButtonCodeTexts = std::array<QString, 18>;

// No slot is free for the macro being placed.
inline constexpr int kNoMacroSlot = 8;

// Splits the macro area into slot names and records (slot k at k × 256 in
// the EEPROM: 32 name bytes, then the 224-byte record).
DeviceMacroSlots SplitMacroArea(const MacroArea& area);

// Clears every record whose length byte is invalid or whose checksum does
// not match; the slot names stay.
void CheckMacroContentBuf(DeviceMacroSlots& slots);

// Rebuilds the macro area from the slots: slot k = name k, then record k.
MacroArea RefreshBaseMacroBuf(const DeviceMacroSlots& slots);

// The decoded slot names in slot order; empty for an empty slot.
std::array<QString, kDeviceSlotCount> SlotNames(const DeviceMacroSlots& slots);

// The button code that runs slot 1..7: "06" (run to end) or "0E" (stop on
// release), then the EEPROM address of the slot's length byte ("0121" ..
// "0721"). Empty for a slot number outside 1..7.
QString MacroReferenceCode(int slot, ReleaseMode mode);

// True when any of the button codes runs slot 1..7.
bool SlotInUse(int slot, const ButtonCodeTexts& buttonCodes);

// The slot (1..7) to place a library macro in, or kNoMacroSlot. The caller
// replaces the code of the button being assigned by "000000" first, so that
// its old reference does not hold a slot.
//
// When the used slots are 1..n without a gap, the answer is n + 1, unless the
// library name equals exactly one slot name: then that slot, also when it is
// in use (the same macro is replaced in place and shared). With a gap, the
// first free slot between used neighbours. A slot another button still
// refers to is never handed out otherwise: the first free slot is taken
// instead, and kNoMacroSlot when there is none.
int FindBaseMacroIndex(const ButtonCodeTexts& buttonCodes, const MacroNameField& libraryName,
                       const DeviceMacroSlots& slots);

}  // namespace orvex
