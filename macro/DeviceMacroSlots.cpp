#include "macro/DeviceMacroSlots.h"

#include <algorithm>

#include "macro/MacroCodec.h"
#include "macro/MacroName.h"

namespace orvex {
namespace {

using SlotUse = std::array<bool, kDeviceSlotCount>;  // index k - 1

// A reference names the EEPROM address of the slot's length byte: 0x0k21.
QString SlotAddressDigits(int slot)
{
    return QStringLiteral("0") + QString::number(slot) + QStringLiteral("21");
}

SlotUse SlotsInUse(const ButtonCodeTexts& buttonCodes)
{
    SlotUse used{};
    for (int slot = 1; slot <= kDeviceSlotCount; ++slot)
        used[slot - 1] = SlotInUse(slot, buttonCodes);
    return used;
}

// n when exactly slots 1..n are in use, -1 when there is a gap.
int UsedPrefixLength(const SlotUse& used)
{
    const auto firstFree = std::find(used.begin(), used.end(), false);
    if (std::find(firstFree, used.end(), true) != used.end())
        return -1;
    return static_cast<int>(firstFree - used.begin());
}

// The one slot whose name equals the library name, or 0 when none or
// several do. An empty name identifies no macro.
int SlotWithName(const MacroNameField& libraryName, const DeviceMacroSlots& slots)
{
    if (IsEmptyLibraryName(libraryName))
        return 0;
    int found = 0;
    for (int slot = 1; slot <= kDeviceSlotCount; ++slot) {
        if (slots.names[slot - 1] == libraryName) {
            if (found != 0)
                return 0;
            found = slot;
        }
    }
    return found;
}

// A free slot whose neighbours are both in use (or the area's edge).
int FirstFreeSlotInGap(const SlotUse& used)
{
    for (int slot = 1; slot <= kDeviceSlotCount; ++slot) {
        const bool free = !used[slot - 1];
        const bool nextUsed = slot == kDeviceSlotCount || used[slot];
        const bool previousUsed = slot == 1 || used[slot - 2];
        if (free && nextUsed && previousUsed)
            return slot;
    }
    return 0;
}

int FirstFreeSlot(const SlotUse& used)
{
    const auto free = std::find(used.begin(), used.end(), false);
    return free == used.end() ? kNoMacroSlot : static_cast<int>(free - used.begin()) + 1;
}

}  // namespace

DeviceMacroSlots SplitMacroArea(const MacroArea& area)
{
    DeviceMacroSlots slots;
    for (int i = 0; i < kDeviceSlotCount; ++i) {
        const auto slotStart = area.begin() + i * kMacroSlotSize;
        std::copy_n(slotStart, kMacroNameSize, slots.names[i].begin());
        std::copy_n(slotStart + kMacroNameSize, kMacroRecordSize, slots.records[i].begin());
    }
    return slots;
}

void CheckMacroContentBuf(DeviceMacroSlots& slots)
{
    for (MacroRecord& record : slots.records) {
        if (!RecordChecksumValid(record))
            record.fill(0);
    }
}

MacroArea RefreshBaseMacroBuf(const DeviceMacroSlots& slots)
{
    MacroArea area{};
    for (int i = 0; i < kDeviceSlotCount; ++i) {
        const auto slotStart = area.begin() + i * kMacroSlotSize;
        std::copy(slots.names[i].begin(), slots.names[i].end(), slotStart);
        std::copy(slots.records[i].begin(), slots.records[i].end(), slotStart + kMacroNameSize);
    }
    return area;
}

std::array<QString, kDeviceSlotCount> SlotNames(const DeviceMacroSlots& slots)
{
    std::array<QString, kDeviceSlotCount> names;
    for (int i = 0; i < kDeviceSlotCount; ++i) {
        if (!IsEmptyDeviceName(slots.names[i]))
            names[i] = DecodeMacroName(slots.names[i]);
    }
    return names;
}

QString MacroReferenceCode(int slot, ReleaseMode mode)
{
    if (slot < 1 || slot > kDeviceSlotCount)
        return {};
    const QString type = mode == ReleaseMode::Stop ? QStringLiteral("0E") : QStringLiteral("06");
    return type + SlotAddressDigits(slot);
}

bool SlotInUse(int slot, const ButtonCodeTexts& buttonCodes)
{
    if (slot < 1 || slot > kDeviceSlotCount)
        return false;
    const QString address = SlotAddressDigits(slot);
    return std::any_of(buttonCodes.begin(), buttonCodes.end(), [&](const QString& code) {
        const bool runsMacro = code.startsWith(QLatin1String("06")) ||
                               code.startsWith(QLatin1String("0E"), Qt::CaseInsensitive);
        return runsMacro && code.mid(2, 4) == address;
    });
}

int FindBaseMacroIndex(const ButtonCodeTexts& buttonCodes, const MacroNameField& libraryName,
                       const DeviceMacroSlots& slots)
{
    const SlotUse used = SlotsInUse(buttonCodes);
    const int prefix = UsedPrefixLength(used);
    if (prefix >= 0) {
        const int named = SlotWithName(libraryName, slots);
        return named != 0 ? named : prefix + 1;  // 8 when all seven are in use
    }
    const int inGap = FirstFreeSlotInGap(used);
    if (inGap != 0)
        return inGap;
    // The rule's last resort is the number of used slots, which can be a slot
    // in use ({1, 2, 5, 6, 7} gives 5); overwriting it would break the
    // button that runs it.
    const int count = static_cast<int>(std::count(used.begin(), used.end(), true));
    return used[count - 1] ? FirstFreeSlot(used) : count;
}

}  // namespace orvex
