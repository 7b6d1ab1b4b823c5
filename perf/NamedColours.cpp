#include "perf/NamedColours.h"

namespace orvex {
namespace {

constexpr Rgb kNamedColours[kNamedColourCount] = {
    {255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

}  // namespace

Rgb NamedColourRgb(int index)
{
    if (index < 0 || index >= kNamedColourCount)
        return {};
    return kNamedColours[index];
}

}  // namespace orvex
