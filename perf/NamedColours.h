#pragma once

#include "perf/CpiValues.h"
#include "ui/SkinLayout.h"

namespace orvex {

// A Nor LED shows one of seven named colours per CPI level; the mouse gets
// only the index 0 .. 6.
inline constexpr int kNamedColourCount = kNamedLedColourCount;
// The colour index of "no colour chosen".
inline constexpr int kNoNamedColour = 255;

// The swatch colour of named colour 0 .. 6: red, lime, yellow, blue,
// fuchsia, aqua, white. Black for any other index.
Rgb NamedColourRgb(int index);

}  // namespace orvex
