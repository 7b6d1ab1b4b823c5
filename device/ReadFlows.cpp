#include "device/ReadFlows.h"

#include "device/FlowProgressCounter.h"
#include "device/Transaction.h"

namespace orvex {
namespace {

// What the window shows for an identity check that did not let the read go on.
FlowOutcome RefusedByIdentity(const IdentityOutcome& identity)
{
    FlowOutcome outcome;
    outcome.identity = identity;
    switch (identity.result) {
    case IdentityResult::NoAnswer:
        outcome.result = FlowResult::NoAnswer;
        break;
    case IdentityResult::WrongSignature:
        outcome.result = FlowResult::WrongSignature;
        break;
    case IdentityResult::NotAccepted:
        outcome.result = FlowResult::NotReady;
        outcome.message = FlowMessage::Str020;
        break;
    case IdentityResult::IdentityReadFailed:
        outcome.result = FlowResult::ReadFailed;
        outcome.message = FlowMessage::Str020;
        break;
    case IdentityResult::IdentityMismatch:
        outcome.result = FlowResult::IdentityRefused;
        outcome.message = FlowMessage::Str107;
        break;
    case IdentityResult::Accepted:
        outcome.result = FlowResult::Success;
        break;
    }
    return outcome;
}

}  // namespace

FlowOutcome FullRead(DeviceLink& link, const FlowProgress& progress)
{
    FlowOutcome outcome;
    outcome.message = FlowMessage::Str020;
    if (!link.IsOpen())
        return outcome;
    FlowProgressCounter counter(progress, ChunkCount(kImageSize));
    ImageBuffer image{};
    const bool read = link.ReadBlock(0, kImageSize, image, kImageSize - 1, counter.Block());
    EndTransaction(link);
    if (!read) {
        outcome.result = FlowResult::ReadFailed;
        return outcome;
    }
    outcome.result = FlowResult::Success;
    outcome.message = FlowMessage::None;
    outcome.image = image;
    return outcome;
}

FlowOutcome ReadMouse(Supervision& supervision, DeviceLink& link, const FlowProgress& progress)
{
    if (!link.IsOpen())
        return FullRead(link, progress);
    const IdentityOutcome identity = supervision.ReadDevInfo();
    if (identity.result != IdentityResult::Accepted)
        return RefusedByIdentity(identity);
    FlowOutcome outcome = FullRead(link, progress);
    outcome.identity = identity;
    return outcome;
}

}  // namespace orvex
