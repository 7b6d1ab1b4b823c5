#pragma once

#include "config/ImageLayout.h"
#include "device/DeviceLink.h"
#include "device/FlowOutcome.h"

namespace orvex {

// The flows that write the mouse. Each is one synchronous run over the link
// (the window runs it on its device thread with the supervision timer off)
// and says in its outcome what happened and which message to show.

/// Writes a whole image: BeginCmd, StatusCmd; on a wrong signature or no
/// answer nothing more is sent. When ready and controller 0x99 the 2048 bytes
/// go to address 0; then, ready or not, SystemReloadCmd, EndCmd and the
/// verification. A chunk that was not acknowledged ends the write and fails
/// the flow (Str109); the verification still runs. Not ready: nothing
/// written, no message.
FlowOutcome WriteImageToMouse(DeviceLink& link, const ImageBuffer& image, const FlowProgress& progress = {});

/// The verification after a write: its own BeginCmd / StatusCmd check, then
/// reads the first 256 bytes back; when they differ from image (or the read
/// fails) rewrites them once, reads again, and reports Failed when they still
/// differ. Ends with SystemReloadCmd and EndCmd unless the check got no
/// answer or a wrong signature.
VerifyResult RepeatedWriteEEPROM(DeviceLink& link, const ImageBuffer& image, const FlowProgress& progress = {});

/// The macro-area import: BeginCmd / StatusCmd as WriteImageToMouse, the
/// 1792 bytes to address 256 when ready, SystemReloadCmd, EndCmd; no
/// verification. An unacknowledged chunk fails the flow (Str109).
FlowOutcome WriteMacroArea(DeviceLink& link, const MacroArea& area, const FlowProgress& progress = {});

/// Apply: writes the image the caller assembled from the pages.
FlowOutcome DownloadParameter(DeviceLink& link, const ImageBuffer& assembled, const FlowProgress& progress = {});

/// Restores factory image n (1..3) exactly as stored, whatever the section
/// checks would repair. outcome.image holds it for the pages unless no mouse
/// was open. Throws as LoadFactoryImage for another n.
FlowOutcome DefaultParameter(DeviceLink& link, int n, const FlowProgress& progress = {});

/// The engineer page's built-in defaults: every section of current reset to
/// its sealed defaults and the macro area zeroed, the gap bytes kept, then
/// written. outcome.image holds the image for the pages. Without a mouse
/// nothing happens and no message is asked for.
FlowOutcome TLDefaultParameter(DeviceLink& link, const ImageBuffer& current, const FlowProgress& progress = {});

/// Writes an image as given (a loaded profile file).
FlowOutcome MemoToDataBuf_OnClick(DeviceLink& link, const ImageBuffer& image, const FlowProgress& progress = {});

}  // namespace orvex
