#include "device/WriteFlows.h"

#include <algorithm>

#include "config/ConfigImage.h"
#include "config/FactoryImages.h"
#include "device/FlowProgressCounter.h"
#include "device/Transaction.h"

namespace orvex {
namespace {

// Only the first 256 bytes are read back after a write: the mouse's macro
// area is never verified.
constexpr int kVerifiedBytes = 256;
using VerifiedBytes = std::array<Byte, kVerifiedBytes>;

const int kImageChunks = ChunkCount(kImageSize);
const int kVerifyChunks = ChunkCount(kVerifiedBytes);
const int kMacroAreaChunks = ChunkCount(layout::kMacroArea.length);

// A read that failed holds 0xFF where it stopped, which could equal the
// expected bytes by chance; it never counts as a match.
bool ReadBackMatches(DeviceLink& link, const VerifiedBytes& expected, FlowProgressCounter& counter)
{
    VerifiedBytes readback{};
    const bool read = link.ReadBlock(0, kVerifiedBytes, readback, kVerifiedBytes - 1, counter.Block());
    return read && readback == expected;
}

VerifyResult Verify(DeviceLink& link, const ImageBuffer& image, FlowProgressCounter& counter)
{
    VerifiedBytes expected{};
    std::copy_n(image.begin(), kVerifiedBytes, expected.begin());

    switch (BeginTransaction(link)) {
    case TransactionStart::NoAnswer:
        return VerifyResult::NoAnswer;
    case TransactionStart::WrongSignature:
        return VerifyResult::WrongSignature;
    case TransactionStart::NotReady:
        EndTransaction(link);
        return VerifyResult::NotReady;
    case TransactionStart::Ready:
        break;
    }
    if (ReadBackMatches(link, expected, counter)) {
        EndTransaction(link);
        return VerifyResult::Matched;
    }
    counter.Plan(2 * kVerifyChunks);
    // The rewrite's own result is not needed: the second read-back decides.
    link.WriteBlock(0, kVerifiedBytes, expected, counter.Block());
    link.SendCommand(CommandCode::SystemReloadCmd);
    const bool matched = ReadBackMatches(link, expected, counter);
    EndTransaction(link);
    return matched ? VerifyResult::MatchedAfterRewrite : VerifyResult::Failed;
}

FlowResult ResultOfStart(TransactionStart start)
{
    switch (start) {
    case TransactionStart::NoAnswer:
        return FlowResult::NoAnswer;
    case TransactionStart::WrongSignature:
        return FlowResult::WrongSignature;
    case TransactionStart::NotReady:
        return FlowResult::NotReady;
    case TransactionStart::Ready:
        break;
    }
    return FlowResult::Success;
}

FlowOutcome NoMouse(FlowMessage message = FlowMessage::Str020)
{
    FlowOutcome outcome;
    outcome.result = FlowResult::NoMouse;
    outcome.message = message;
    return outcome;
}

// The part both whole-image and macro-area writes share: the check, the
// block write when the mouse is ready, and the end of the transaction.
// Returns how the check went; outcome.written tells about the block.
TransactionStart WriteBlockTransaction(DeviceLink& link, int address, std::span<const Byte> bytes,
                                       FlowProgressCounter& counter, FlowOutcome& outcome)
{
    const TransactionStart start = BeginTransaction(link);
    if (start == TransactionStart::NoAnswer || start == TransactionStart::WrongSignature)
        return start;
    if (start == TransactionStart::Ready)
        outcome.written = link.WriteBlock(address, int(bytes.size()), bytes, counter.Block());
    EndTransaction(link);
    return start;
}

}  // namespace

FlowOutcome WriteImageToMouse(DeviceLink& link, const ImageBuffer& image, const FlowProgress& progress)
{
    if (!link.IsOpen())
        return NoMouse();
    FlowOutcome outcome;
    FlowProgressCounter counter(progress, kImageChunks + kVerifyChunks);
    const TransactionStart start = WriteBlockTransaction(link, 0, image, counter, outcome);
    outcome.result = ResultOfStart(start);
    if (start == TransactionStart::NoAnswer || start == TransactionStart::WrongSignature)
        return outcome;

    outcome.verification = Verify(link, image, counter);
    if (start == TransactionStart::NotReady)
        return outcome;
    if (!outcome.written) {
        outcome.result = FlowResult::WriteFailed;
        outcome.message = FlowMessage::Str109;
    } else if (outcome.verification == VerifyResult::Failed) {
        outcome.result = FlowResult::VerifyFailed;
        outcome.message = FlowMessage::Str109;
    }
    return outcome;
}

VerifyResult RepeatedWriteEEPROM(DeviceLink& link, const ImageBuffer& image, const FlowProgress& progress)
{
    FlowProgressCounter counter(progress, kVerifyChunks);
    return Verify(link, image, counter);
}

FlowOutcome WriteMacroArea(DeviceLink& link, const MacroArea& area, const FlowProgress& progress)
{
    if (!link.IsOpen())
        return NoMouse();
    FlowOutcome outcome;
    FlowProgressCounter counter(progress, kMacroAreaChunks);
    const TransactionStart start
        = WriteBlockTransaction(link, layout::kMacroArea.offset, area, counter, outcome);
    outcome.result = ResultOfStart(start);
    if (start == TransactionStart::Ready && !outcome.written) {
        outcome.result = FlowResult::WriteFailed;
        outcome.message = FlowMessage::Str109;
    }
    return outcome;
}

FlowOutcome DownloadParameter(DeviceLink& link, const ImageBuffer& assembled, const FlowProgress& progress)
{
    return WriteImageToMouse(link, assembled, progress);
}

FlowOutcome DefaultParameter(DeviceLink& link, int n, const FlowProgress& progress)
{
    const ImageBuffer factory = LoadFactoryImage(n);
    if (!link.IsOpen())
        return NoMouse();
    FlowOutcome outcome = WriteImageToMouse(link, factory, progress);
    outcome.image = factory;
    return outcome;
}

FlowOutcome TLDefaultParameter(DeviceLink& link, const ImageBuffer& current, const FlowProgress& progress)
{
    if (!link.IsOpen())
        return NoMouse(FlowMessage::None);
    ConfigImage defaults;
    defaults.buffer = current;
    defaults.ResetToDefaults();
    FlowOutcome outcome = WriteImageToMouse(link, defaults.buffer, progress);
    outcome.image = defaults.buffer;
    return outcome;
}

FlowOutcome MemoToDataBuf_OnClick(DeviceLink& link, const ImageBuffer& image, const FlowProgress& progress)
{
    return WriteImageToMouse(link, image, progress);
}

}  // namespace orvex
