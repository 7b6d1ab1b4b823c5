#pragma once

#include <QStringList>

#include <array>

#include "config/ImageLayout.h"

namespace orvex {

// A macro record as the mouse plays it: release mode, length byte, steps,
// checksum, zero padding. The same 224 bytes follow a 32-byte name field in a
// device slot and in a library record.
inline constexpr int kMacroRecordSize = 224;
inline constexpr int kMacroNameSize = 32;
inline constexpr int kMacroNameUnits = 16;
inline constexpr int kMacroSlotSize = kMacroNameSize + kMacroRecordSize;
inline constexpr int kDeviceSlotCount = 7;
// The length byte counts itself, and the checksum must still fit at byte 223.
inline constexpr int kMaxLengthByte = 222;
inline constexpr int kMaxStepBytes = kMaxLengthByte - 1;

using MacroRecord = std::array<Byte, kMacroRecordSize>;
using MacroNameField = std::array<Byte, kMacroNameSize>;

enum class ReleaseMode : Byte {
    Continue = 0,  // the macro runs to its end after the button is released
    Stop = 1,      // the macro stops when the button is released
};

// The editor's text form of one macro. lines[0] is the delay-mode header
// ("00", "10" or "01" + milliseconds); every further line is one step.
struct MacroScript {
    QStringList lines{QStringLiteral("00")};
    ReleaseMode releaseMode = ReleaseMode::Continue;

    bool operator==(const MacroScript&) const = default;
};

}  // namespace orvex
