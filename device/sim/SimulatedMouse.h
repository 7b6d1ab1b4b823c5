#pragma once

#include <QString>

#include <mutex>
#include <optional>

#include "config/ImageLayout.h"
#include "device/Clock.h"
#include "device/Protocol.h"
#include "device/sim/ExchangeLog.h"
#include "device/sim/SimFault.h"

namespace orvex {

// The firmware of the mouse, emulated: a 2048-byte EEPROM behind the command
// set, answers that turn from "not done" to acknowledged after a latency in
// clock time, and the faults of SimFault. Its HID interface is presented by
// SimulatedTransport. Thread-safe; every call is recorded in Log().
class SimulatedMouse {
public:
    // The status it gives a command it cannot carry out (a transfer out of
    // range, a data chunk without a transfer, an unknown command, a failed
    // save of the EEPROM file).
    static constexpr Byte kRefusedStatus = 0x55;
    static constexpr Byte kControllerCode = 0x75;

    /// A mouse whose EEPROM starts as eeprom. The clock times the answers and
    /// the key steps; it outlives the mouse.
    SimulatedMouse(Clock& clock, const ImageBuffer& eeprom, SimFault fault = {});

    /// The 2048 bytes of an EEPROM file; nullopt with a reason when it cannot
    /// be read or has another size.
    static std::optional<ImageBuffer> LoadEepromFile(const QString& path, QString* error = nullptr);
    /// After every completed block write the EEPROM is saved to path, whole
    /// and atomically (a crash leaves the old file). Empty path: no saving.
    void SetBackingFile(const QString& path);
    /// Why the last save failed; empty after a good one.
    QString LastSaveError() const;

    // ---- the wire, as the transport's handles use it --------------------

    /// A set-feature call through a handle opened in plugGeneration; false
    /// (not delivered) when the mouse is gone or was replugged since.
    bool ReceiveReport(const FeatureReport& report, int plugGeneration);
    /// A get-feature call; false when not delivered. The status is 0 until
    /// the latency has passed.
    bool AnswerReport(FeatureReport& report, int plugGeneration);

    // ---- plugging ---------------------------------------------------------

    bool IsPlugged() const;
    /// The mouse goes away: its interface leaves the list, its handles fail.
    void Unplug();
    /// The mouse comes back; handles from before stay dead, as after a real
    /// replug.
    void PlugIn();
    int PlugGeneration() const;

    // ---- inspection -------------------------------------------------------

    ImageBuffer Eeprom() const;
    void SetEeprom(const ImageBuffer& eeprom);
    SimFault Fault() const;
    void SetFault(const SimFault& fault);
    /// Block writes received whole since construction.
    int CompletedWrites() const;
    /// Reports delivered since construction.
    int ReceivedReports() const;
    ExchangeLog& Log() { return m_log; }
    const ExchangeLog& Log() const { return m_log; }

private:
    enum class TransferKind { None, Read, Write };
    struct Transfer {
        TransferKind kind = TransferKind::None;
        int address = 0;
        int length = 0;
        int position = 0;  // bytes moved so far
        int chunksDone = 0;
        bool corrupted = false;
    };

    bool DeliverableLocked(int plugGeneration) const;
    FeatureReport ProcessLocked(const FeatureReport& report);
    FeatureReport StatusAnswerLocked() const;
    FeatureReport StartTransferLocked(const FeatureReport& report, TransferKind kind);
    FeatureReport ReadDataLocked(const FeatureReport& report);
    FeatureReport WriteDataLocked(const FeatureReport& report);
    bool NakThisChunkLocked() const;
    Byte ReadByteLocked(int address) const;
    quint16 KeyStateLocked() const;
    bool SaveLocked();

    Clock& m_clock;
    mutable std::mutex m_mutex;
    ImageBuffer m_eeprom;
    SimFault m_fault;
    QString m_backingFile;
    QString m_lastSaveError;

    bool m_plugged = true;
    int m_plugGeneration = 0;
    int m_receivedReports = 0;
    bool m_unplugFired = false;  // unplug-after pulls the cable once

    FeatureReport m_answer{};
    bool m_hasAnswer = false;
    qint64 m_answerReadyAtMs = 0;

    Transfer m_transfer;
    int m_completedWrites = 0;
    bool m_corruptionPending = false;
    bool m_corruptionUsed = false;

    ExchangeLog m_log;
};

}  // namespace orvex
