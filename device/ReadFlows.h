#pragma once

#include "device/DeviceLink.h"
#include "device/FlowOutcome.h"
#include "device/Supervision.h"

namespace orvex {

/// The full read (Btn_Read), entered after an accepted identity check, which
/// opened the transaction: ReadBlock of 2048 bytes from address 0, then
/// SystemReloadCmd and EndCmd. Any chunk that was not acknowledged fails the
/// read as a whole (Str020, no image): the caller keeps the image it had
/// rather than taking 0xFF bytes for the mouse's configuration.
FlowOutcome FullRead(DeviceLink& link, const FlowProgress& progress = {});

/// Reads the mouse as the Read button and Save Profile do: the identity
/// check of supervision, then the full read when it passes. A refused check
/// gives its own message (Str020 not ready / other controller / identity
/// bytes unreadable, with the handle dropped; Str107 identity refused);
/// silence and a wrong signature give none.
FlowOutcome ReadMouse(Supervision& supervision, DeviceLink& link, const FlowProgress& progress = {});

}  // namespace orvex
