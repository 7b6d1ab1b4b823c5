#pragma once

#include <cstdint>

namespace orvex {

// Bit helpers of the packers. A bit index outside 0..31 names no bit of a
// 32-bit value: it tests false and leaves the value unchanged (shifting by it
// would be undefined).

/// True when bit n of value is set.
constexpr bool TestBit(std::uint32_t value, int n)
{
    return n >= 0 && n < 32 && (value & (std::uint32_t{1} << n)) != 0;
}

/// value with bit n set.
constexpr std::uint32_t SetBit(std::uint32_t value, int n)
{
    return (n >= 0 && n < 32) ? (value | (std::uint32_t{1} << n)) : value;
}

/// value with bit n cleared.
constexpr std::uint32_t ClearBit(std::uint32_t value, int n)
{
    return (n >= 0 && n < 32) ? (value & ~(std::uint32_t{1} << n)) : value;
}

}  // namespace orvex
