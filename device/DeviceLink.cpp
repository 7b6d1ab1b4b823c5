#include "device/DeviceLink.h"

#include <algorithm>

namespace orvex {

// How one kind of exchange waits for the mouse. Each attempt sends the report
// once and reads the answer up to readsPerAttempt times while the status is
// still 0; any other status ends the attempt at once.
struct ExchangeTiming {
    int preDelayMs;            // before the report is sent
    int settleMs;              // after it was sent
    int pollMs;                // between reads whose status is still 0
    bool pollBeforeEveryRead;  // the key poll also waits before its first read
    int readsPerAttempt;
    int attempts;
};

namespace {

// The pauses the firmware has always been driven with (fields as above). The
// key poll waits 5 ms before the set and before every read, and is given
// twice the reads and attempts.
constexpr ExchangeTiming kCommandTiming{0, 10, 10, false, 5, 5};
constexpr ExchangeTiming kDataChunkTiming{0, 10, 5, false, 5, 5};
constexpr ExchangeTiming kFetchChunkTiming{0, 5, 5, false, 5, 5};
constexpr ExchangeTiming kKeyPollTiming{5, 0, 5, true, 10, 10};

constexpr int kMaxAddress = 0xFFFF;
constexpr int kMaxLength = 0xFFFF;

Byte LowByte(int value)
{
    return static_cast<Byte>(value & 0xFF);
}

Byte HighByte(int value)
{
    return static_cast<Byte>((value >> 8) & 0xFF);
}

bool FitsBlock(int address, int length, std::size_t bufferSize)
{
    return address >= 0 && address <= kMaxAddress && length >= 0 && length <= kMaxLength
           && static_cast<std::size_t>(length) <= bufferSize;
}

}  // namespace

DeviceLink::DeviceLink(HidTransport& transport, Clock& clock)
    : m_transport(transport)
    , m_clock(clock)
{
    m_deviceTargets[0] = DeviceTarget{kMouseVendorId, kMouseProductId};
    m_chunkBuffer.fill(0xFF);
}

DeviceLink::~DeviceLink() = default;

// ---- discovery ----------------------------------------------------------

int DeviceLink::CountHidInterfaces()
{
    return static_cast<int>(EnumerateHidInterfaces().size());
}

std::vector<HidInterfaceInfo> DeviceLink::EnumerateHidInterfaces()
{
    std::lock_guard lock(m_exchangeMutex);
    return m_transport.Enumerate();
}

bool DeviceLink::OpenDevice(quint32 vendorId, quint32 productId, quint32& releaseNumber)
{
    std::lock_guard lock(m_exchangeMutex);
    std::unique_ptr<HidDeviceHandle> found;
    HidInterfaceInfo foundInfo;
    for (const HidInterfaceInfo& info : m_transport.Enumerate()) {
        const bool matches = info.featureReportLength == kMouseFeatureReportLength
                             && info.vendorId == (vendorId & 0xFFFF)
                             && info.productId == (productId & 0xFFFF)
                             && info.releaseNumber == (releaseNumber & 0xFFFF);
        if (!matches)
            continue;
        std::unique_ptr<HidDeviceHandle> handle = m_transport.Open(info.path);
        if (!handle)
            continue;
        // A later match replaces (and so closes) an earlier one.
        found = std::move(handle);
        foundInfo = info;
    }
    if (!found)
        return false;
    m_handle = std::move(found);
    m_openPath = foundInfo.path;
    m_openVendorId = foundInfo.vendorId;
    m_openProductId = foundInfo.productId;
    m_featureReportLength = foundInfo.featureReportLength;
    releaseNumber = foundInfo.releaseNumber;
    return true;
}

void DeviceLink::CloseDevice()
{
    std::lock_guard lock(m_exchangeMutex);
    m_handle.reset();
    m_openPath.clear();
    m_openVendorId = 0;
    m_openProductId = 0;
}

bool DeviceLink::IsOpen() const
{
    std::lock_guard lock(m_exchangeMutex);
    return m_handle != nullptr;
}

QString DeviceLink::OpenPath() const
{
    std::lock_guard lock(m_exchangeMutex);
    return m_openPath;
}

quint32 DeviceLink::OpenVendorId() const
{
    std::lock_guard lock(m_exchangeMutex);
    return m_openVendorId;
}

quint32 DeviceLink::OpenProductId() const
{
    std::lock_guard lock(m_exchangeMutex);
    return m_openProductId;
}

void DeviceLink::SetOpenIds(quint32 vendorId, quint32 productId)
{
    std::lock_guard lock(m_exchangeMutex);
    m_openVendorId = vendorId;
    m_openProductId = productId;
}

int DeviceLink::FeatureReportLength() const
{
    std::lock_guard lock(m_exchangeMutex);
    return m_featureReportLength;
}

quint32 DeviceLink::DeviceVersion() const
{
    std::lock_guard lock(m_exchangeMutex);
    return m_deviceVersion;
}

void DeviceLink::SetDeviceVersion(quint32 version)
{
    std::lock_guard lock(m_exchangeMutex);
    m_deviceVersion = version;
}

DeviceTarget DeviceLink::DeviceTargetAt(int index) const
{
    std::lock_guard lock(m_exchangeMutex);
    if (index < 0 || index >= kDeviceTargetCount)
        return {};
    return m_deviceTargets[index];
}

void DeviceLink::SetDeviceTarget(int index, DeviceTarget target)
{
    std::lock_guard lock(m_exchangeMutex);
    if (index >= 0 && index < kDeviceTargetCount)
        m_deviceTargets[index] = target;
}

// ---- single exchanges ---------------------------------------------------

bool DeviceLink::ExchangeLocked(const FeatureReport& request, const ExchangeTiming& timing)
{
    if (!m_handle)
        return false;
    for (int attempt = 0; attempt < timing.attempts; ++attempt) {
        m_reportBuffer = request;
        m_clock.SleepMs(timing.preDelayMs);
        // A failed send looks like a silent mouse: the status never turns.
        m_handle->SetFeature(m_reportBuffer);
        m_clock.SleepMs(timing.settleMs);
        Byte status = kStatusPending;
        for (int read = 0; read < timing.readsPerAttempt; ++read) {
            if (timing.pollBeforeEveryRead)
                m_clock.SleepMs(timing.pollMs);
            FeatureReport answer = m_reportBuffer;
            answer[0] = kReportId;
            // A failed read counts as "not done yet". Taking the buffer as it
            // stands would read a data byte of WriteDataCmd as the status.
            if (m_handle->GetFeature(answer)) {
                m_reportBuffer = answer;
                status = answer[kStatusIndex];
            } else {
                status = kStatusPending;
            }
            if (status != kStatusPending)
                break;
            if (!timing.pollBeforeEveryRead)
                m_clock.SleepMs(timing.pollMs);
        }
        if (status == kStatusAcknowledged)
            return true;
        // Still 0 after the last read, or refused: the whole exchange again.
    }
    return false;
}

bool DeviceLink::SendCommandLocked(CommandCode code, Byte p1, Byte p2, Byte p3, Byte p4)
{
    return ExchangeLocked(MakeReport(code, p1, p2, p3, p4), kCommandTiming);
}

bool DeviceLink::SendCommand(CommandCode code, Byte p1, Byte p2, Byte p3, Byte p4)
{
    std::lock_guard lock(m_exchangeMutex);
    return SendCommandLocked(code, p1, p2, p3, p4);
}

bool DeviceLink::SendDataChunkLocked()
{
    const FeatureReport request = MakeReport(CommandCode::WriteDataCmd, m_chunkBuffer[0], m_chunkBuffer[1],
                                             m_chunkBuffer[2], m_chunkBuffer[3], m_chunkBuffer[4],
                                             m_chunkBuffer[5]);
    return ExchangeLocked(request, kDataChunkTiming);
}

bool DeviceLink::SendDataChunk(const std::array<Byte, kChunkDataSize>& data)
{
    std::lock_guard transfer(m_transferMutex);
    std::lock_guard lock(m_exchangeMutex);
    std::copy(data.begin(), data.end(), m_chunkBuffer.begin());
    return SendDataChunkLocked();
}

bool DeviceLink::FetchDataChunkLocked()
{
    m_chunkBuffer.fill(0xFF);
    if (!ExchangeLocked(MakeReport(CommandCode::ReadDataCmd), kFetchChunkTiming))
        return false;
    std::copy(m_reportBuffer.begin() + 1, m_reportBuffer.end(), m_chunkBuffer.begin());
    return true;
}

bool DeviceLink::FetchDataChunk()
{
    std::lock_guard transfer(m_transferMutex);
    std::lock_guard lock(m_exchangeMutex);
    return FetchDataChunkLocked();
}

quint16 DeviceLink::PollKeyState()
{
    std::lock_guard lock(m_exchangeMutex);
    if (!ExchangeLocked(MakeReport(CommandCode::StatusCmd), kKeyPollTiming))
        return 0;
    return DecodeStatusAnswer(m_reportBuffer).keyState;
}

FeatureReport DeviceLink::ReportBuffer() const
{
    std::lock_guard lock(m_exchangeMutex);
    return m_reportBuffer;
}

ChunkBuffer DeviceLink::ChunkBufferContents() const
{
    std::lock_guard lock(m_exchangeMutex);
    return m_chunkBuffer;
}

// ---- identity state -----------------------------------------------------

bool DeviceLink::ReadyFlag() const
{
    std::lock_guard lock(m_exchangeMutex);
    return m_readyFlag;
}

void DeviceLink::SetReadyFlag(bool ready)
{
    std::lock_guard lock(m_exchangeMutex);
    m_readyFlag = ready;
}

int DeviceLink::ChipCode() const
{
    std::lock_guard lock(m_exchangeMutex);
    return m_chipCode;
}

void DeviceLink::SetChipCode(int chipCode)
{
    std::lock_guard lock(m_exchangeMutex);
    m_chipCode = chipCode;
}

StatusAnswer DeviceLink::TakeStatusAnswer()
{
    std::lock_guard lock(m_exchangeMutex);
    const StatusAnswer answer = DecodeStatusAnswer(m_reportBuffer);
    m_readyFlag = answer.ready;
    m_chipCode = MapControllerCode(answer.controllerCode, m_chipCode);
    return answer;
}

// ---- block transfers ----------------------------------------------------

bool DeviceLink::ReadBlockLocked(int address, int length, std::span<Byte> destination, int fillCount,
                                 const BlockProgress& progress)
{
    const auto fill = static_cast<std::size_t>(std::clamp<qint64>(fillCount, 0, qint64(destination.size())));
    std::fill_n(destination.begin(), fill, Byte{0xFF});
    if (!FitsBlock(address, length, destination.size()))
        return false;
    if (!SendCommand(CommandCode::ReadStartCmd, LowByte(address), HighByte(address), LowByte(length),
                     HighByte(length)))
        return false;
    const int chunks = ChunkCount(length);
    for (int chunk = 0; chunk < chunks; ++chunk) {
        const int offset = chunk * kChunkDataSize;
        const int bytes = std::min(kChunkDataSize, length - offset);
        {
            std::lock_guard lock(m_exchangeMutex);
            // A failed chunk ends the read: its bytes are unknown, and going on
            // through a pulled cable would only cost time.
            if (!FetchDataChunkLocked())
                return false;
            std::copy_n(m_chunkBuffer.begin(), bytes, destination.begin() + offset);
        }
        if (progress)
            progress(chunk + 1, chunks);
    }
    return true;
}

bool DeviceLink::ReadBlock(int address, int length, std::span<Byte> destination, int fillHighIndex,
                           const BlockProgress& progress)
{
    std::lock_guard transfer(m_transferMutex);
    return ReadBlockLocked(address, length, destination, fillHighIndex + 1, progress);
}

bool DeviceLink::ReadBlockQuiet(int address, int length, std::span<Byte> destination, int fillCount)
{
    std::lock_guard transfer(m_transferMutex);
    return ReadBlockLocked(address, length, destination, fillCount, {});
}

bool DeviceLink::WriteBlock(int address, int length, std::span<const Byte> source, const BlockProgress& progress)
{
    std::lock_guard transfer(m_transferMutex);
    if (!FitsBlock(address, length, source.size()))
        return false;
    {
        std::lock_guard lock(m_exchangeMutex);
        m_chunkBuffer.fill(0xFF);
    }
    if (!SendCommand(CommandCode::WriteStartCmd, LowByte(address), HighByte(address), LowByte(length),
                     HighByte(length)))
        return false;
    const int chunks = ChunkCount(length);
    for (int chunk = 0; chunk < chunks; ++chunk) {
        const int offset = chunk * kChunkDataSize;
        const int bytes = std::min(kChunkDataSize, length - offset);
        {
            std::lock_guard lock(m_exchangeMutex);
            std::copy_n(source.begin() + offset, bytes, m_chunkBuffer.begin());
            // An unacknowledged chunk means the EEPROM does not hold the
            // image; saying "written" would hide it from the caller.
            if (!SendDataChunkLocked())
                return false;
        }
        if (progress)
            progress(chunk + 1, chunks);
    }
    return true;
}

}  // namespace orvex
