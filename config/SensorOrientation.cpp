#include "config/SensorOrientation.h"

#include <array>

namespace orvex {
namespace {

// Item index → code; the codes follow the sensor's own axis bits, not the
// order of the list.
constexpr std::array<int, kSensorOrientationCount> kCodeOfItem{7, 2, 4, 1, 6, 5, 0, 3};

}  // namespace

std::optional<int> SensorOrientationCode(int itemIndex)
{
    if (itemIndex < 0 || itemIndex >= kSensorOrientationCount)
        return std::nullopt;
    return kCodeOfItem[itemIndex];
}

int SensorOrientationItem(int code)
{
    const int wanted = code & 0x07;
    for (int item = 0; item < kSensorOrientationCount; ++item) {
        if (kCodeOfItem[item] == wanted)
            return item;
    }
    return -1;  // unreachable: the table covers all eight codes
}

}  // namespace orvex
