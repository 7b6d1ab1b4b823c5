#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace orvex {

// The mouse stores a CPI value as an index into this fixed list; only the
// index travels to the mouse.
inline constexpr int kCpiValueCount = 11;

// The eleven CPI values, index 0 (500) .. 10 (6400).
const std::array<int, kCpiValueCount>& CpiValueList();

// The CPI value of index 0..10; nullopt for any other index (0xFF marks a
// level without a value).
std::optional<int> CpiValue(int index);

struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const RgbColour&) const = default;
};

// The simple LED knows seven named colours, stored by index: 0 red, 1 green,
// 2 yellow, 3 blue, 4 purple, 5 cyan, 6 white. The RGB is the swatch shown
// for the index; the mouse receives the index only.
inline constexpr int kNamedLedColourCount = 7;

// The swatch colour of named colour index 0..6; nullopt for any other index.
std::optional<RgbColour> NamedLedColour(int index);

}  // namespace orvex
