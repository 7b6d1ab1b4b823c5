#pragma once

#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "device/Clock.h"
#include "device/HidTransport.h"
#include "device/Protocol.h"

namespace orvex {

// A (vendor id, product id) pair the search looks for; a pair with a zero
// member is skipped.
struct DeviceTarget {
    quint32 vendorId = 0;
    quint32 productId = 0;

    bool IsSet() const { return vendorId != 0 && productId != 0; }
    bool operator==(const DeviceTarget&) const = default;
};
inline constexpr int kDeviceTargetCount = 2;

// How one kind of exchange waits for the mouse (defined with DeviceLink).
struct ExchangeTiming;

// Reports the progress of a block transfer after every chunk. It runs on the
// transferring thread between two exchanges and must not start another block
// transfer or chunk exchange on the same link.
using BlockProgress = std::function<void(int chunksDone, int chunksTotal)>;

// The only way to the mouse: finds and opens its HID interface and exchanges
// acknowledged 8-byte feature reports with it, singly or as block transfers
// of EEPROM bytes. Every exchange holds one lock (the key poller polls from
// its own thread), and every wait goes through the injected clock. With no
// device open every exchange fails at once, without waiting.
class DeviceLink {
public:
    /// Neither transport nor clock is owned; both outlive the link. The first
    /// device target is the mouse's build-time ids.
    DeviceLink(HidTransport& transport, Clock& clock);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // ---- discovery ------------------------------------------------------

    /// The number of HID interfaces present right now.
    int CountHidInterfaces();
    /// The HID interfaces present right now, in enumeration order.
    std::vector<HidInterfaceInfo> EnumerateHidInterfaces();
    /// Opens the interface with 8-byte feature reports, these ids (low 16
    /// bits) and this release number. When several match, the last one
    /// enumerated wins and the others are closed again. On success the device
    /// handle is replaced, the open ids and feature length are recorded and
    /// releaseNumber receives the interface's release number; on failure
    /// nothing changes.
    bool OpenDevice(quint32 vendorId, quint32 productId, quint32& releaseNumber);
    /// Drops the device handle (closing it) and clears the open ids.
    void CloseDevice();
    /// True while a device handle is held.
    bool IsOpen() const;
    /// The path of the opened interface; empty when none is open.
    QString OpenPath() const;

    quint32 OpenVendorId() const;
    quint32 OpenProductId() const;
    /// Records the ids of the open mouse (the search stores its target pair).
    void SetOpenIds(quint32 vendorId, quint32 productId);
    int FeatureReportLength() const;
    /// The release number the next search asks for / the last one found.
    quint32 DeviceVersion() const;
    void SetDeviceVersion(quint32 version);
    /// index 0 or 1; out-of-range indices read as an unset pair.
    DeviceTarget DeviceTargetAt(int index) const;
    void SetDeviceTarget(int index, DeviceTarget target);

    // ---- single exchanges -----------------------------------------------

    /// One acknowledged exchange of [4, code, p1, p2, p3, p4, 0, 0]; true when
    /// the status became 0xCC. The answer stays in the report buffer.
    bool SendCommand(CommandCode code, Byte p1 = 0, Byte p2 = 0, Byte p3 = 0, Byte p4 = 0);
    /// One WriteDataCmd exchange carrying the six data bytes.
    bool SendDataChunk(const std::array<Byte, kChunkDataSize>& data);
    /// One ReadDataCmd exchange; the data lands in chunk buffer bytes 0..5
    /// (all 0xFF when it failed).
    bool FetchDataChunk();
    /// The key state of one StatusCmd exchange with the key poll's timing;
    /// 0 when no acknowledge came.
    quint16 PollKeyState();

    /// The last report sent or answer read.
    FeatureReport ReportBuffer() const;
    /// The last data chunk fetched or prepared for sending.
    ChunkBuffer ChunkBufferContents() const;

    // ---- identity state -------------------------------------------------

    bool ReadyFlag() const;
    void SetReadyFlag(bool ready);
    int ChipCode() const;
    void SetChipCode(int chipCode);
    /// Takes ReadyFlag and ChipCode from the StatusCmd answer in the report
    /// buffer (an unknown controller code keeps the ChipCode) and returns the
    /// decoded answer.
    StatusAnswer TakeStatusAnswer();

    // ---- block transfers ------------------------------------------------

    /// Reads length EEPROM bytes from address into destination. Destination
    /// bytes 0..fillHighIndex are set to 0xFF first. The transfer stops at the
    /// first chunk that is not acknowledged and returns false: the chunks read
    /// before it are in place, the rest keeps the 0xFF. False as well when
    /// length does not fit destination or address/length do not fit 16 bits.
    bool ReadBlock(int address, int length, std::span<Byte> destination, int fillHighIndex,
                   const BlockProgress& progress = {});
    /// As ReadBlock, but only the first fillCount destination bytes are set to
    /// 0xFF first; the others keep their contents unless read.
    bool ReadBlockQuiet(int address, int length, std::span<Byte> destination, int fillCount);
    /// Writes length bytes of source to the EEPROM at address. Stops at the
    /// first chunk that is not acknowledged and returns false; true only when
    /// every chunk was acknowledged. The bytes of a short last chunk beyond
    /// length repeat what the previous chunk left in the chunk buffer (0xFF
    /// for a single chunk); the mouse knows the length and ignores them.
    bool WriteBlock(int address, int length, std::span<const Byte> source,
                    const BlockProgress& progress = {});

private:
    bool ExchangeLocked(const FeatureReport& request, const ExchangeTiming& timing);
    bool FetchDataChunkLocked();
    bool SendDataChunkLocked();
    bool SendCommandLocked(CommandCode code, Byte p1, Byte p2, Byte p3, Byte p4);
    bool ReadBlockLocked(int address, int length, std::span<Byte> destination, int fillCount,
                         const BlockProgress& progress);

    HidTransport& m_transport;
    Clock& m_clock;

    // Held for a whole block transfer (and a single chunk exchange) so the
    // chunk buffer and the mouse's transfer pointer see one transfer at a
    // time; taken before m_exchangeMutex.
    std::mutex m_transferMutex;
    // Held for every exchange and every access to the state below.
    mutable std::mutex m_exchangeMutex;

    std::unique_ptr<HidDeviceHandle> m_handle;
    QString m_openPath;
    quint32 m_openVendorId = 0;
    quint32 m_openProductId = 0;
    int m_featureReportLength = 0;
    quint32 m_deviceVersion = kMouseReleaseNumber;
    std::array<DeviceTarget, kDeviceTargetCount> m_deviceTargets{};
    FeatureReport m_reportBuffer{};
    ChunkBuffer m_chunkBuffer{};
    bool m_readyFlag = false;
    int m_chipCode = 0;
};

}  // namespace orvex
