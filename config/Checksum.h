#pragma once

#include "config/ImageLayout.h"

namespace orvex {

// The seal of a checksummed section or macro record: (sum of the count bytes
// from data, modulo 256) XOR 0x5A. The mouse rejects a section whose stored
// byte differs.
Byte SectionChecksum(const Byte* data, int count);

}  // namespace orvex
