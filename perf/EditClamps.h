#pragma once

#include <QString>

#include <optional>

namespace orvex {

// How one numeric edit of the engineer page corrects its text after a
// change. Edits never report errors: a text above the range becomes the
// maximum, an empty text a fixed default.
struct EditClampRule {
    int maximum = 255;
    int emptyValue = 0;
    // Values below this become it. A rule with a minimum may let one
    // leading digit stand while typing, so that a two-digit value above the
    // minimum can still be entered (the LED count: "1" on the way to "12").
    int minimum = 0;
    std::optional<int> keptWhileTyping;
};

// Fire interval, units of 8 ms.
inline constexpr EditClampRule kFireTimeClamp{
    .maximum = 255, .emptyValue = 100, .minimum = 0, .keptWhileTyping = std::nullopt};
// Vendor and product id bytes: 255 is the generic id.
inline constexpr EditClampRule kIdentityByteClamp{
    .maximum = 255, .emptyValue = 255, .minimum = 0, .keptWhileTyping = std::nullopt};
// One R, G or B component of a CPI level or key mode colour.
inline constexpr EditClampRule kColourComponentClamp{
    .maximum = 255, .emptyValue = 0, .minimum = 0, .keptWhileTyping = std::nullopt};
// Breathing step of the simple LED, 1 ms units.
inline constexpr EditClampRule kBreathStepClamp{
    .maximum = 255, .emptyValue = 0, .minimum = 0, .keptWhileTyping = std::nullopt};
// Current speed step of the controller LED, 0..7.
inline constexpr EditClampRule kLedStepClamp{
    .maximum = 7, .emptyValue = 0, .minimum = 0, .keptWhileTyping = std::nullopt};
// Number of LEDs of the controller LED strip, 4..13.
inline constexpr EditClampRule kLedCountClamp{
    .maximum = 13, .emptyValue = 4, .minimum = 4, .keptWhileTyping = 1};

// When the edit's text is final (typing goes on, or the edit was left).
enum class EditPhase { Typing, Finished };

// The text the edit must show instead of text, or nullopt when text stands.
// A text that is not a plain decimal number (pasted letters, signs) counts
// as empty rather than as 0, so it never survives into the packed image.
std::optional<QString> ClampedEditText(const QString& text, const EditClampRule& rule, EditPhase phase);

}  // namespace orvex
