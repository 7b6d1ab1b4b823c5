#pragma once

#include "config/ImageLayout.h"

namespace orvex::macro_step {

// First bytes of the steps the mouse plays. Bit 7 of a key or button code
// means press, clear means release.
inline constexpr Byte kModifierPress = 0x81;    // + mask: one modifier bit
inline constexpr Byte kModifierRelease = 0x01;  // + mask
inline constexpr Byte kKeyPress = 0x82;         // + HID keyboard usage
inline constexpr Byte kKeyRelease = 0x02;       // + usage
inline constexpr Byte kMoveX = 0xFB;            // + signed 8-bit distance
inline constexpr Byte kMoveY = 0xFA;            // + signed 8-bit distance
inline constexpr Byte kRepeatStart = 0xFD;      // + n: the block runs n + 1 times
inline constexpr Byte kRepeatEnd = 0xFC;
inline constexpr Byte kDelay = 0xFE;            // + t: t × 8 ms

inline constexpr int kDelayUnitMs = 8;
inline constexpr Byte kLongestDelayUnits = 0xFF;  // 2040 ms in one step
inline constexpr int kLongestDelayMs = kLongestDelayUnits * kDelayUnitMs;

// A delay line takes up to this many consecutive delay steps.
inline constexpr int kDelayStepsPerLine = 5;

}  // namespace orvex::macro_step
