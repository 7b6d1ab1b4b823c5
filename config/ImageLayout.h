#pragma once

#include <array>
#include <cstdint>

namespace orvex {

using Byte = std::uint8_t;

// The mouse keeps its whole configuration in a 2048-byte EEPROM; the image
// buffer is its transfer copy (device reads, profile files, factory images).
inline constexpr int kImageSize = 2048;
using ImageBuffer = std::array<Byte, kImageSize>;

// Where a section lives in the image (offsets are EEPROM addresses).
struct SectionPlace {
    int offset;
    int length;
};

namespace layout {
inline constexpr SectionPlace kParameterA{0x000, 48};
inline constexpr SectionPlace kParameterB{0x030, 8};
inline constexpr SectionPlace kProfile{0x040, 55};
inline constexpr SectionPlace kReserved1{0x080, 30};
inline constexpr SectionPlace kReserved2{0x0B0, 20};
inline constexpr SectionPlace kReserved3{0x0D0, 30};
inline constexpr SectionPlace kFireKey{0x0F0, 11};
inline constexpr SectionPlace kMacroArea{0x100, 1792};

// The last gap byte before the reserved sections tells a profile file from
// any other file: images from the mouse or a factory resource hold 0x99.
inline constexpr int kImageTypeMarkerOffset = 0x07F;
inline constexpr Byte kImageTypeMarker = 0x99;

// Checksummed sections seal (sum of the covered bytes mod 256) XOR 0x5A.
inline constexpr Byte kChecksumXor = 0x5A;
}  // namespace layout

using ParameterASection = std::array<Byte, layout::kParameterA.length>;
using ParameterBSection = std::array<Byte, layout::kParameterB.length>;
using ProfileSection = std::array<Byte, layout::kProfile.length>;
using ReservedSection1 = std::array<Byte, layout::kReserved1.length>;
using ReservedSection2 = std::array<Byte, layout::kReserved2.length>;
using ReservedSection3 = std::array<Byte, layout::kReserved3.length>;
using FireKeySection = std::array<Byte, layout::kFireKey.length>;
using MacroArea = std::array<Byte, layout::kMacroArea.length>;

// The working copies of the sections: what the pages are shown from and
// packed into. The gap bytes exist only in the image buffer.
struct WorkingSections {
    ParameterASection parameterA{};
    ParameterBSection parameterB{};
    ProfileSection profile{};
    ReservedSection1 reserved1{};
    ReservedSection2 reserved2{};
    ReservedSection3 reserved3{};
    FireKeySection fireKey{};
    MacroArea macroArea{};

    bool operator==(const WorkingSections&) const = default;
};

}  // namespace orvex
