#include "device/Transaction.h"

namespace orvex {

TransactionStart BeginTransaction(DeviceLink& link)
{
    if (!link.SendCommand(CommandCode::BeginCmd))
        return TransactionStart::NoAnswer;
    link.SetReadyFlag(false);
    if (!link.SendCommand(CommandCode::StatusCmd))
        return TransactionStart::NoAnswer;
    const StatusAnswer answer = link.TakeStatusAnswer();
    if (answer.signature != kSignature)
        return TransactionStart::WrongSignature;
    if (!link.ReadyFlag() || link.ChipCode() != kChipCodeAccepted)
        return TransactionStart::NotReady;
    return TransactionStart::Ready;
}

void EndTransaction(DeviceLink& link)
{
    link.SendCommand(CommandCode::SystemReloadCmd);
    link.SendCommand(CommandCode::EndCmd);
}

}  // namespace orvex
