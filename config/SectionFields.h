#pragma once

namespace orvex {

// Byte positions of the fields inside their sections.

namespace parameter_a {
inline constexpr int kOptionFlags = 0;
inline constexpr int kKeyModeSwitchFlags = 1;
inline constexpr int kCpiLevelCount = 2;
inline constexpr int kMcuLedConfig = 3;
inline constexpr int kMcuLedModeMask = 4;
inline constexpr int kNorLedBreathStep = 5;
inline constexpr int kCpiValueIndex = 6;   // levels 1..7 at 6..12
inline constexpr int kCpiColourIndex = 13;  // levels 1..7 at 13..19
inline constexpr int kKeyModeAColour = 20;  // R, G, B
inline constexpr int kKeyModeBColour = 23;  // R, G, B
inline constexpr int kCpiRgb = 26;          // R, G, B per level, 26..46
inline constexpr int kChecksum = 47;
}  // namespace parameter_a

namespace parameter_b {
// Bytes 0, 2 and 4 are followed by their complement (255 − value).
inline constexpr int kCurrentCpiLevel = 0;
inline constexpr int kLedState = 2;
inline constexpr int kKeyModeState = 4;
inline constexpr int kVendorIdByte = 6;
inline constexpr int kProductIdByte = 7;
}  // namespace parameter_b

namespace profile {
inline constexpr int kButtonsPerMode = 9;
inline constexpr int kModeAOffset = 0;   // button k at 3(k−1) .. 3(k−1)+2
inline constexpr int kModeBOffset = 27;  // button k at 27+3(k−1) ..
inline constexpr int kChecksum = 54;
}  // namespace profile

namespace fire_key {
inline constexpr int kFireRepeat = 2;    // shots − 1
inline constexpr int kFireInterval = 8;  // units of 8 ms between shots
inline constexpr int kChecksum = 10;
}  // namespace fire_key

}  // namespace orvex
