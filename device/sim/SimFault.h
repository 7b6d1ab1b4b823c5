#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "config/ImageLayout.h"

namespace orvex {

// The key state the simulated mouse reports from a moment of clock time on.
struct SimKeyStep {
    qint64 atMs = 0;
    quint16 bits = 0;  // bit n = button n+1 held

    bool operator==(const SimKeyStep&) const = default;
};

enum class SimReadbackCorruption {
    None,
    Once,    // the first read after the first completed write
    Always,  // every read after any completed write
};

// The ways the simulated mouse can misbehave; any combination at once.
struct SimFault {
    bool silent = false;                   // status stays 0 for ever
    std::optional<Byte> refuseStatus;      // every command answered with this status
    bool notReady = false;                 // StatusCmd without the ready bit
    std::optional<Byte> controllerCode;    // StatusCmd byte 3 instead of 0x75
    std::optional<Byte> signature;         // StatusCmd byte 1 instead of 0xAA
    std::optional<std::pair<Byte, Byte>> identity;  // EEPROM 0x36/0x37 read back as these
    SimReadbackCorruption corruptReadback = SimReadbackCorruption::None;
    int nakChunk = 0;       // this data chunk (from 1) of every block transfer is refused; 0 = off
    int unplugAfter = -1;   // the mouse goes away after this many reports sent to it; -1 = never
    std::vector<SimKeyStep> keys;  // key states over clock time, ascending
    int latencyMs = 0;      // status stays 0 this long after a report arrives

    bool operator==(const SimFault&) const = default;
};

/// Parses a fault description such as "silent", "refuse=0x55",
/// "identity=3,7;nak-chunk=5" or "keys=0x5@0,0@100 latency=20". Items are
/// separated by ';', whitespace or ','; a ',' inside a value (identity, keys)
/// belongs to that value. Numbers are decimal or 0x-hex. The empty text is
/// no fault. On a bad description returns nullopt and, when error is given,
/// a sentence naming the item at fault.
std::optional<SimFault> ParseSimFault(const QString& text, QString* error = nullptr);

/// The text form of faults, as ParseSimFault reads it.
QString SimFaultText(const SimFault& fault);

}  // namespace orvex
