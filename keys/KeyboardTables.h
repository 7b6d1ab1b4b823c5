#pragma once

#include <QString>

#include "config/ImageLayout.h"

namespace orvex {

// The fixed English name of a HID keyboard usage (and of this system's own
// media and browser codes 0xC0..0xD1); the empty text for unnamed usages.
QString KeyUsageName(Byte usage);

// The usage byte that a Windows virtual-key code puts into keyboard codes and
// macro key steps; 0 (no key) for keys without a usage and values outside
// 0..255.
Byte VirtualKeyToUsage(int virtualKey);

}  // namespace orvex
