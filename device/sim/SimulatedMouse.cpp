#include "device/sim/SimulatedMouse.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace orvex {

namespace {

constexpr int kIdentityVendorAddress = 0x36;
constexpr int kIdentityProductAddress = 0x37;
// The part of the EEPROM the corrupt-readback fault alters: the bytes the
// host verifies after a write.
constexpr int kVerifiedBytes = 256;
constexpr Byte kCorruptionMask = 0xFF;
constexpr Byte kStatusReadyBits = 1u << kReadyBit;

FeatureReport PendingReport()
{
    FeatureReport report{};
    report[0] = kReportId;
    return report;
}

FeatureReport Echo(const FeatureReport& request, Byte status)
{
    FeatureReport answer = request;
    answer[kStatusIndex] = status;
    return answer;
}

}  // namespace

SimulatedMouse::SimulatedMouse(Clock& clock, const ImageBuffer& eeprom, SimFault fault)
    : m_clock(clock)
    , m_eeprom(eeprom)
    , m_fault(std::move(fault))
{
}

std::optional<ImageBuffer> SimulatedMouse::LoadEepromFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kImageSize + 1);
    if (bytes.size() != kImageSize) {
        if (error)
            *error = QStringLiteral("%1 is not an EEPROM image: it must hold exactly %2 bytes")
                         .arg(path)
                         .arg(kImageSize);
        return std::nullopt;
    }
    ImageBuffer image{};
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return image;
}

void SimulatedMouse::SetBackingFile(const QString& path)
{
    std::lock_guard lock(m_mutex);
    m_backingFile = path;
}

QString SimulatedMouse::LastSaveError() const
{
    std::lock_guard lock(m_mutex);
    return m_lastSaveError;
}

bool SimulatedMouse::SaveLocked()
{
    if (m_backingFile.isEmpty())
        return true;
    QSaveFile file(m_backingFile);
    const bool saved = file.open(QIODevice::WriteOnly)
                       && file.write(reinterpret_cast<const char*>(m_eeprom.data()), kImageSize) == kImageSize
                       && file.commit();
    m_lastSaveError = saved ? QString() : QStringLiteral("cannot save %1: %2").arg(m_backingFile, file.errorString());
    return saved;
}

// ---- the wire -------------------------------------------------------------

bool SimulatedMouse::DeliverableLocked(int plugGeneration) const
{
    return m_plugged && plugGeneration == m_plugGeneration;
}

bool SimulatedMouse::ReceiveReport(const FeatureReport& report, int plugGeneration)
{
    std::lock_guard lock(m_mutex);
    if (m_plugged && !m_unplugFired && m_fault.unplugAfter >= 0 && m_receivedReports >= m_fault.unplugAfter) {
        m_plugged = false;
        m_unplugFired = true;
    }
    const bool delivered = DeliverableLocked(plugGeneration);
    m_log.Append({ExchangeDirection::Set, report, m_clock.NowMs(), delivered});
    if (!delivered)
        return false;
    ++m_receivedReports;
    m_hasAnswer = true;
    m_answerReadyAtMs = m_clock.NowMs() + m_fault.latencyMs;
    if (m_fault.silent)
        m_answer = PendingReport();
    else if (m_fault.refuseStatus)
        m_answer = Echo(report, *m_fault.refuseStatus);
    else
        m_answer = ProcessLocked(report);
    return true;
}

bool SimulatedMouse::AnswerReport(FeatureReport& report, int plugGeneration)
{
    std::lock_guard lock(m_mutex);
    const bool delivered = DeliverableLocked(plugGeneration);
    if (delivered) {
        const bool done = m_hasAnswer && m_clock.NowMs() >= m_answerReadyAtMs;
        report = done ? m_answer : PendingReport();
    }
    m_log.Append({ExchangeDirection::Get, delivered ? report : FeatureReport{}, m_clock.NowMs(), delivered});
    return delivered;
}

// ---- commands -------------------------------------------------------------

FeatureReport SimulatedMouse::ProcessLocked(const FeatureReport& report)
{
    if (report[0] != kReportId)
        return Echo(report, kRefusedStatus);
    switch (static_cast<CommandCode>(report[1])) {
    case CommandCode::BeginCmd:
    case CommandCode::SystemReloadCmd:
        return Echo(report, kStatusAcknowledged);
    case CommandCode::EndCmd:
        m_transfer = {};
        return Echo(report, kStatusAcknowledged);
    case CommandCode::StatusCmd:
        return StatusAnswerLocked();
    case CommandCode::ReadStartCmd:
        return StartTransferLocked(report, TransferKind::Read);
    case CommandCode::WriteStartCmd:
        return StartTransferLocked(report, TransferKind::Write);
    case CommandCode::ReadDataCmd:
        return ReadDataLocked(report);
    case CommandCode::WriteDataCmd:
        return WriteDataLocked(report);
    }
    return Echo(report, kRefusedStatus);
}

FeatureReport SimulatedMouse::StatusAnswerLocked() const
{
    const quint16 keys = KeyStateLocked();
    return {kReportId,
            m_fault.signature.value_or(kSignature),
            static_cast<Byte>(m_fault.notReady ? 0 : kStatusReadyBits),
            m_fault.controllerCode.value_or(kControllerCode),
            0,
            static_cast<Byte>(keys & 0xFF),
            static_cast<Byte>(keys >> 8),
            kStatusAcknowledged};
}

FeatureReport SimulatedMouse::StartTransferLocked(const FeatureReport& report, TransferKind kind)
{
    const int address = report[2] + 256 * report[3];
    const int length = report[4] + 256 * report[5];
    if (address + length > kImageSize) {
        m_transfer = {};
        return Echo(report, kRefusedStatus);
    }
    m_transfer = Transfer{kind, address, length, 0, 0, false};
    if (kind == TransferKind::Read && m_corruptionPending) {
        m_transfer.corrupted = true;
        if (m_fault.corruptReadback == SimReadbackCorruption::Once)
            m_corruptionPending = false;
    }
    return Echo(report, kStatusAcknowledged);
}

bool SimulatedMouse::NakThisChunkLocked() const
{
    return m_fault.nakChunk > 0 && m_transfer.chunksDone + 1 == m_fault.nakChunk;
}

Byte SimulatedMouse::ReadByteLocked(int address) const
{
    if (address < 0 || address >= kImageSize)
        return 0xFF;
    Byte value = m_eeprom[address];
    if (m_fault.identity && address == kIdentityVendorAddress)
        value = m_fault.identity->first;
    if (m_fault.identity && address == kIdentityProductAddress)
        value = m_fault.identity->second;
    if (m_transfer.corrupted && address < kVerifiedBytes)
        value ^= kCorruptionMask;
    return value;
}

FeatureReport SimulatedMouse::ReadDataLocked(const FeatureReport& report)
{
    if (m_transfer.kind != TransferKind::Read || m_transfer.position >= m_transfer.length
        || NakThisChunkLocked())
        return Echo(report, kRefusedStatus);
    FeatureReport answer = PendingReport();
    const int count = std::min(kChunkDataSize, m_transfer.length - m_transfer.position);
    for (int i = 0; i < kChunkDataSize; ++i) {
        // Past the end of the block the firmware sends filler.
        answer[1 + i] = i < count ? ReadByteLocked(m_transfer.address + m_transfer.position + i) : Byte{0xFF};
    }
    answer[kStatusIndex] = kStatusAcknowledged;
    m_transfer.position += count;
    ++m_transfer.chunksDone;
    return answer;
}

FeatureReport SimulatedMouse::WriteDataLocked(const FeatureReport& report)
{
    if (m_transfer.kind != TransferKind::Write || m_transfer.position >= m_transfer.length
        || NakThisChunkLocked())
        return Echo(report, kRefusedStatus);
    const int count = std::min(kChunkDataSize, m_transfer.length - m_transfer.position);
    for (int i = 0; i < count; ++i)
        m_eeprom[m_transfer.address + m_transfer.position + i] = report[2 + i];
    m_transfer.position += count;
    ++m_transfer.chunksDone;
    if (m_transfer.position < m_transfer.length)
        return Echo(report, kStatusAcknowledged);

    ++m_completedWrites;
    const bool corruptNext = m_fault.corruptReadback == SimReadbackCorruption::Always
                             || (m_fault.corruptReadback == SimReadbackCorruption::Once && !m_corruptionUsed);
    if (corruptNext) {
        m_corruptionPending = true;
        m_corruptionUsed = true;
    }
    // A write the file did not take is not acknowledged, so the host hears of it.
    return Echo(report, SaveLocked() ? kStatusAcknowledged : kRefusedStatus);
}

quint16 SimulatedMouse::KeyStateLocked() const
{
    const qint64 now = m_clock.NowMs();
    quint16 bits = 0;
    for (const SimKeyStep& step : m_fault.keys) {
        if (step.atMs > now)
            break;
        bits = step.bits;
    }
    return bits;
}

// ---- plugging and inspection ------------------------------------------

bool SimulatedMouse::IsPlugged() const
{
    std::lock_guard lock(m_mutex);
    return m_plugged;
}

void SimulatedMouse::Unplug()
{
    std::lock_guard lock(m_mutex);
    m_plugged = false;
}

void SimulatedMouse::PlugIn()
{
    std::lock_guard lock(m_mutex);
    if (m_plugged)
        return;
    m_plugged = true;
    ++m_plugGeneration;
    m_transfer = {};
    m_hasAnswer = false;
}

int SimulatedMouse::PlugGeneration() const
{
    std::lock_guard lock(m_mutex);
    return m_plugGeneration;
}

ImageBuffer SimulatedMouse::Eeprom() const
{
    std::lock_guard lock(m_mutex);
    return m_eeprom;
}

void SimulatedMouse::SetEeprom(const ImageBuffer& eeprom)
{
    std::lock_guard lock(m_mutex);
    m_eeprom = eeprom;
}

SimFault SimulatedMouse::Fault() const
{
    std::lock_guard lock(m_mutex);
    return m_fault;
}

void SimulatedMouse::SetFault(const SimFault& fault)
{
    std::lock_guard lock(m_mutex);
    m_fault = fault;
}

int SimulatedMouse::CompletedWrites() const
{
    std::lock_guard lock(m_mutex);
    return m_completedWrites;
}

int SimulatedMouse::ReceivedReports() const
{
    std::lock_guard lock(m_mutex);
    return m_receivedReports;
}

}  // namespace orvex
