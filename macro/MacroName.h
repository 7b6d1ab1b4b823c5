#pragma once

#include <QString>

#include "macro/MacroTypes.h"

namespace orvex {

// The name stored in a name field: UTF-16 code units, high byte first, up to
// the first zero unit and at most 16 units.
QString DecodeMacroName(const MacroNameField& field);

// The name field of a name: its first 16 UTF-16 code units, high byte first,
// zero-filled. A surrogate pair that would be cut in half at the 16-unit
// limit is left out whole.
MacroNameField EncodeMacroName(const QString& name);

// A device slot is empty when its name starts with two 0x00 bytes or, on
// erased EEPROM, two 0xFF bytes.
bool IsEmptyDeviceName(const MacroNameField& field);

// A library record is empty when its name starts with two 0x00 bytes.
bool IsEmptyLibraryName(const MacroNameField& field);

}  // namespace orvex
