#pragma once

#include <QString>

namespace orvex {

// What a step of the macro editor is, as the step dialogs see it: the type
// digit of the step line that opened the dialog (X and Y moves in either
// direction are 3 and 5).
enum class StepEditKind {
    Delay = 0,
    KeyPress = 1,
    KeyRelease = 2,
    MoveX = 3,
    MoveY = 5,
    RepeatStart = 7,
};

// The text the delay edit keeps after the user changed it: digits only, an
// empty text shows "0", values are held to 0 .. 2040 ms and written without
// leading zeros.
QString FilterDelayText(const QString& text);

// The text the value edit keeps after the user changed it: an optional
// leading "-" and digits; a lone "-" stays so a negative number can be
// typed; an empty text shows "0". Moves are held to -128 .. 127 (one signed
// byte), repeat counts to 1 .. 255.
QString FilterStepValueText(const QString& text, StepEditKind kind);

// The value text handed over on confirm: a lone "-" is no value yet, so it
// hands over the empty text, which leaves the step unchanged.
QString ConfirmedStepValueText(const QString& text);

// The step text of a key dialog result: the key's name, " CODE:", "82"
// (press) or "02" (release) and the key's usage, e.g. "A CODE:8204".
// Any kind but KeyRelease is a press.
QString StepKeyText(int virtualKey, StepEditKind kind);

}  // namespace orvex
