#include "perf/NamedColours.h"

#include "perf/CpiValues.h"

namespace orvex {

Rgb NamedColourRgb(int index)
{
    // One table of the named colours: the CPI values' list.
    const std::optional<RgbColour> colour = NamedLedColour(index);
    if (!colour)
        return {};
    return {colour->red, colour->green, colour->blue};
}

}  // namespace orvex
