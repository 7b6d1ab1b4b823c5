#pragma once

#include <QtGlobal>

#include <array>

#include "config/ImageLayout.h"

namespace orvex {

// One HID feature report as the mouse speaks it: report id 4, the command
// code, six parameter or data bytes; in the answer the last byte is the status.
inline constexpr int kFeatureReportSize = 8;
using FeatureReport = std::array<Byte, kFeatureReportSize>;

inline constexpr Byte kReportId = 4;
inline constexpr int kStatusIndex = 7;

// Status byte of an answer. Anything that is neither "pending" nor the
// acknowledge is a refusal.
inline constexpr Byte kStatusPending = 0x00;
inline constexpr Byte kStatusAcknowledged = 0xCC;

// The whole command set of the mouse; nothing else is ever sent.
enum class CommandCode : Byte {
    BeginCmd = 1,
    EndCmd = 2,
    StatusCmd = 3,
    ReadStartCmd = 4,
    ReadDataCmd = 5,
    WriteStartCmd = 6,
    WriteDataCmd = 7,
    SystemReloadCmd = 8,
};

// Block transfers move 6 EEPROM bytes per data report.
inline constexpr int kChunkDataSize = 6;
inline constexpr int kChunkBufferSize = 7;
using ChunkBuffer = std::array<Byte, kChunkBufferSize>;

// What a StatusCmd answer must hold before the EEPROM may be touched.
inline constexpr Byte kSignature = 0xAA;
inline constexpr int kReadyBit = 2;
inline constexpr int kChipCodeAccepted = 0x99;

// The interface of the mouse: ids fixed at build time, release 0x0104, and
// 8-byte feature reports.
inline constexpr quint16 kMouseVendorId = ORVEX71_VENDOR_ID;
inline constexpr quint16 kMouseProductId = ORVEX71_PRODUCT_ID;
inline constexpr quint16 kMouseReleaseNumber = 0x0104;
inline constexpr int kMouseFeatureReportLength = kFeatureReportSize;

// The fields of a StatusCmd answer.
struct StatusAnswer {
    Byte signature = 0;       // byte 1, 0xAA on a mouse we may talk to
    bool ready = false;       // bit 2 of byte 2
    Byte controllerCode = 0;  // byte 3, raw
    quint16 keyState = 0;     // byte 6 * 256 + byte 5: bit n = button n+1 held
};

/// Reads the fields of a StatusCmd answer.
StatusAnswer DecodeStatusAnswer(const FeatureReport& answer);

/// Maps the controller code of a StatusCmd answer to the chip code
/// (0x35 -> 0x90, 0x75 -> 0x99, 0xFD -> 0x98); any other code keeps
/// currentChipCode.
int MapControllerCode(Byte controllerCode, int currentChipCode);

/// The outgoing report [4, code, p1, p2, p3, p4, p5, p6].
FeatureReport MakeReport(CommandCode code, Byte p1 = 0, Byte p2 = 0, Byte p3 = 0, Byte p4 = 0,
                         Byte p5 = 0, Byte p6 = 0);

/// The number of 6-byte chunks that carry length bytes.
int ChunkCount(int length);

}  // namespace orvex
