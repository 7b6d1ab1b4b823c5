#include "perf/CpiValues.h"

namespace orvex {
namespace {

constexpr std::array<int, kCpiValueCount> kCpiValues{
    500, 800, 1000, 1200, 1600, 2000, 2400, 3200, 4000, 4800, 6400,
};

constexpr std::array<RgbColour, kNamedLedColourCount> kNamedLedColours{{
    {255, 0, 0},      // red
    {0, 255, 0},      // green
    {255, 255, 0},    // yellow
    {0, 0, 255},      // blue
    {255, 0, 255},    // purple
    {0, 255, 255},    // cyan
    {255, 255, 255},  // white
}};

}  // namespace

const std::array<int, kCpiValueCount>& CpiValueList()
{
    return kCpiValues;
}

std::optional<int> CpiValue(int index)
{
    if (index < 0 || index >= kCpiValueCount)
        return std::nullopt;
    return kCpiValues[index];
}

std::optional<RgbColour> NamedLedColour(int index)
{
    if (index < 0 || index >= kNamedLedColourCount)
        return std::nullopt;
    return kNamedLedColours[index];
}

}  // namespace orvex
