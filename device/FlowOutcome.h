#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "config/ImageLayout.h"
#include "device/Supervision.h"

namespace orvex {

// Reports the progress of a whole flow in data chunks: done of total. It runs
// on the flow's thread between two exchanges. total is what the flow expects
// to move; it grows when the verification has to rewrite and read again.
using FlowProgress = std::function<void(int done, int total)>;

// The message the window shows for a flow's outcome; its text is the
// language table's entry of that id.
enum class FlowMessage {
    None,
    Str020,  // no mouse, a mouse not ready / of another controller, or a read that failed
    Str107,  // the mouse's identity bytes match neither pair
    Str109,  // the write did not reach the EEPROM, or the verification still differs
};

/// The language-table key of message ("Str020" ...); empty for None.
QString FlowMessageKey(FlowMessage message);

enum class FlowResult {
    Success,
    NoMouse,          // no mouse open: nothing was sent
    NoAnswer,         // BeginCmd or StatusCmd not acknowledged: nothing changed
    WrongSignature,   // StatusCmd byte 1 is not 0xAA: nothing changed
    NotReady,         // not ready or another controller: nothing read or written
    IdentityRefused,  // the identity bytes match neither accepted pair
    ReadFailed,       // a chunk of a read was not acknowledged: no image
    WriteFailed,      // a chunk of the write was not acknowledged
    VerifyFailed,     // the first 256 bytes still differed after the rewrite
};

/// A short English description of result ("the mouse does not answer" ...).
QString FlowResultText(FlowResult result);

// What the read-back after a write found.
enum class VerifyResult {
    NotRun,               // the flow ended before the verification
    NoAnswer,             // its BeginCmd or StatusCmd was not acknowledged
    WrongSignature,       // its StatusCmd byte 1 was not 0xAA
    NotReady,             // not ready or another controller: nothing read back
    Matched,              // the first read-back equalled the image
    MatchedAfterRewrite,  // it differed; after the 256-byte rewrite it matched
    Failed,               // it still differed after the rewrite (Str109)
};

// What a flow did and what the window is to show.
struct FlowOutcome {
    FlowResult result = FlowResult::NoMouse;
    FlowMessage message = FlowMessage::None;
    VerifyResult verification = VerifyResult::NotRun;
    // The whole block write was made and every chunk acknowledged.
    bool written = false;
    // Read flows: the image read, only when the whole read succeeded.
    // Restore flows: the image they sent, for the pages to show.
    std::optional<ImageBuffer> image;
    // The identity check, when the flow ran one.
    std::optional<IdentityOutcome> identity;

    bool Succeeded() const { return result == FlowResult::Success; }
};

}  // namespace orvex
