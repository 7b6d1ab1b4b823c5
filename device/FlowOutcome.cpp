#include "device/FlowOutcome.h"

namespace orvex {

QString FlowMessageKey(FlowMessage message)
{
    switch (message) {
    case FlowMessage::None:
        return {};
    case FlowMessage::Str020:
        return QStringLiteral("Str020");
    case FlowMessage::Str107:
        return QStringLiteral("Str107");
    case FlowMessage::Str109:
        return QStringLiteral("Str109");
    }
    return {};
}

QString FlowResultText(FlowResult result)
{
    switch (result) {
    case FlowResult::Success:
        return QStringLiteral("done");
    case FlowResult::NoMouse:
        return QStringLiteral("no mouse is open");
    case FlowResult::NoAnswer:
        return QStringLiteral("the mouse does not answer");
    case FlowResult::WrongSignature:
        return QStringLiteral("the mouse answered with a wrong signature");
    case FlowResult::NotReady:
        return QStringLiteral("the mouse is not ready or has another controller");
    case FlowResult::IdentityRefused:
        return QStringLiteral("the mouse's manufacturer or product id is refused");
    case FlowResult::ReadFailed:
        return QStringLiteral("a chunk of the read was not acknowledged");
    case FlowResult::WriteFailed:
        return QStringLiteral("a chunk of the write was not acknowledged");
    case FlowResult::VerifyFailed:
        return QStringLiteral("the first 256 bytes read back still differ after the rewrite");
    }
    return {};
}

}  // namespace orvex
