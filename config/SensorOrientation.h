#pragma once

#include <optional>

namespace orvex {

// The sensor orientation is stored as a 3-bit code in OptionFlags bits 4..6;
// the engineer page lists the eight orientations in its own order
// (cb_SensorOri: "0°", "90 °", "180 °", "270 °", "X镜面反向", "Y镜面反向",
// "XY互换XY取反", "XY互换XY不取反").
inline constexpr int kSensorOrientationCount = 8;

// The 3-bit code of item itemIndex (0..7); nullopt for any other index.
std::optional<int> SensorOrientationCode(int itemIndex);

// The item index that shows code (only its low three bits count).
int SensorOrientationItem(int code);

}  // namespace orvex
