#pragma once

#include <QString>

#include <array>
#include <optional>

#include "config/ImageLayout.h"

namespace orvex {

// Three bytes telling the mouse what a button does: type, p1, p2.
using KeyFunctionCode = std::array<Byte, 3>;

// The text form in which codes are kept, compared and named: six upper-case
// hexadecimal digits in byte order, e.g. "0300CD".
QString CodeText(const KeyFunctionCode& code);
QString CodeText(Byte type, Byte p1, Byte p2);

// Reads six hexadecimal digits back into the three bytes; nullopt for any
// text that is not exactly six hex digits.
std::optional<KeyFunctionCode> CodeBytes(const QString& codeText);

// Two upper-case hexadecimal digits of one byte.
QString HexByte(int value);

}  // namespace orvex
