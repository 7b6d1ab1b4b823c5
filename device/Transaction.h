#pragma once

#include "device/DeviceLink.h"

namespace orvex {

// How the opening of a device transaction went.
enum class TransactionStart {
    NoAnswer,        // BeginCmd or StatusCmd not acknowledged
    WrongSignature,  // StatusCmd byte 1 is not 0xAA
    NotReady,        // the ready flag is clear or the controller is not 0x99
    Ready,           // the EEPROM may be read and written
};

/// Opens a transaction as every write does: BeginCmd; then, with the ready
/// flag cleared (the chip code is kept), StatusCmd; the ready flag and chip
/// code are taken from the answer. Nothing more is sent on NoAnswer or
/// WrongSignature; the caller ends the transaction otherwise.
TransactionStart BeginTransaction(DeviceLink& link);

/// Ends a transaction: SystemReloadCmd (the mouse takes the EEPROM into use),
/// then EndCmd. Their results are not looked at.
void EndTransaction(DeviceLink& link);

}  // namespace orvex
