#pragma once

#include <QString>

#include <array>

#include "ui/LanguageTable.h"

namespace orvex {

// The names of the seven device macro slots, slot 1 first; an empty slot has
// the empty name.
using DeviceMacroNames = std::array<QString, 7>;

// True for a well-formed code text: exactly six upper-case hexadecimal digits.
bool IsCodeText(const QString& text);

// True for an AIM key code: a well-formed code text of type 0x0A, whatever
// its parameters.
bool IsAimKeyCode(const QString& codeText);

// The display name of a code in the given language. Fixed catalogue codes are
// named by their name id, AIM keys by the AIM key text, keyboard codes by
// their modifiers and key, device macro codes by the name of the slot they
// run, fire macros by their own ids. Anything else, a text that is not six
// upper-case hex digits, or an id the language lacks gives the empty text.
QString KeyFunctionName(const QString& codeText, const LanguageTable& language,
                        const DeviceMacroNames& deviceMacroNames);

}  // namespace orvex
