#pragma once

#include <QString>

#include "macro/MacroTypes.h"

namespace orvex {

// The outcome of encoding a script. When the steps need more than 221 bytes
// the record cannot hold them: fits is false, record stays all zero and the
// caller must refuse the change. stepBytes is the number of step bytes the
// script needs (also when it does not fit).
struct EncodeResult {
    MacroRecord record{};
    int stepBytes = 0;
    bool fits = true;
};

// Encodes a script into a record: release mode, length byte, steps,
// checksum, zero padding. A script without steps gives 224 zero bytes.
// Delay lines become 0xFE steps of 8 ms units (one FE FF per full 2040 ms,
// then the remainder, truncated to 8 ms; a delay of 0 ms becomes FE 00).
// Step lines whose code digits are not hexadecimal are left out.
EncodeResult MacroScriptToBuf(const MacroScript& script);

// The record as one line of upper-case hexadecimal digits: release mode,
// length byte, steps and checksum. Empty for a record without valid length.
QString RecordHexLine(const MacroRecord& record);

// Decodes a record into its script: one line per step, delay steps merged
// into lines of up to five, the header derived from the first four delay
// lines. Codes outside the step table give "Unknown" lines that encode back
// to the same bytes. A record with length byte 0 or above 222 gives the
// header "00" alone.
MacroScript MacroBufToScript(const MacroRecord& record);

// True when the length byte is 1..222 and the checksum after the steps
// matches them.
bool RecordChecksumValid(const MacroRecord& record);

enum class DelayMode {
    None,     // header "00": steps without delays between them
    Record,   // header "10": the recorded delays are kept
    Default,  // header "01" + ms: one fixed delay between steps
};

struct DelayHeader {
    DelayMode mode = DelayMode::None;
    int defaultDelayMs = 0;  // only meaningful for DelayMode::Default

    bool operator==(const DelayHeader&) const = default;
};

// Reads the header line of a script: "10" record delay, "01" followed by
// decimal milliseconds the default delay (0 when the number does not parse),
// anything else no delay.
DelayHeader ParseDelayHeader(const QString& headerLine);

// The header line of a delay mode ("00", "10", "01" + ms).
QString DelayHeaderLine(const DelayHeader& header);

}  // namespace orvex
