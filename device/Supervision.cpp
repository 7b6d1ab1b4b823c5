#include "device/Supervision.h"

#include <algorithm>

namespace orvex {

namespace {

constexpr int kDoubleSamples = 5;
constexpr int kAgreeingSamplesNeeded = 2;
// The wait before a search gives a freshly plugged mouse time to come up.
constexpr int kSearchWaitRounds = 21;
constexpr int kSearchWaitRoundMs = 100;
// EEPROM addresses of the identity bytes (VendorIdByte, ProductIdByte).
constexpr int kIdentityAddress = 0x36;
constexpr int kIdentityLength = 2;

// Clears the busy flag however the step ends.
class BusyGuard {
public:
    explicit BusyGuard(std::atomic<bool>& busy)
        : m_busy(busy)
    {
    }
    ~BusyGuard() { m_busy.store(false); }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    std::atomic<bool>& m_busy;
};

}  // namespace

QString DeviceMessageKey(DeviceMessage message)
{
    switch (message) {
    case DeviceMessage::None:
        return {};
    case DeviceMessage::Str020:
        return QStringLiteral("Str020");
    case DeviceMessage::Str100:
        return QStringLiteral("Str100");
    case DeviceMessage::Str107:
        return QStringLiteral("Str107");
    }
    return {};
}

Supervision::Supervision(DeviceLink& link, Clock& clock)
    : m_link(link)
    , m_clock(clock)
{
}

void Supervision::SetFactoryIdPair(IdPair pair)
{
    m_factoryIdPair = pair;
}

void Supervision::SetReserveIdPair(IdPair pair)
{
    m_reserveIdPair = pair;
}

void Supervision::SetWaitHook(std::function<void()> hook)
{
    m_waitHook = std::move(hook);
}

Supervision::Sample Supervision::SampleInterfaces()
{
    Sample sample;
    std::vector<HidInterfaceInfo> last;
    for (int i = 0; i < kDoubleSamples; ++i) {
        std::vector<HidInterfaceInfo> first = m_link.EnumerateHidInterfaces();
        const std::vector<HidInterfaceInfo> second = m_link.EnumerateHidInterfaces();
        if (first.size() == second.size())
            ++sample.agreeing;
        last = std::move(first);
    }
    sample.count = static_cast<int>(last.size());
    const QString openPath = m_link.OpenPath();
    sample.openInterfacePresent
        = !openPath.isEmpty()
          && std::any_of(last.begin(), last.end(), [&](const HidInterfaceInfo& info) { return info.path == openPath; });
    return sample;
}

SupervisionOutcome Supervision::DevTimerTimer()
{
    SupervisionOutcome outcome;
    bool idle = false;
    if (!m_busy.compare_exchange_strong(idle, true)) {
        outcome.action = SupervisionAction::Busy;
        return outcome;
    }
    BusyGuard guard(m_busy);

    const Sample sample = SampleInterfaces();
    outcome.sampledCount = sample.count;
    outcome.agreeingSamples = sample.agreeing;
    if (sample.count == m_lastHidCount || sample.agreeing < kAgreeingSamplesNeeded) {
        outcome.action = SupervisionAction::NoChange;
        return outcome;
    }

    // Any device changes the count. Only the mouse's own interface tells
    // whether the mouse went away, and an open mouse that is still there is
    // left alone: opening and reading it again would throw away the edits
    // the user has not applied yet.
    const bool mouseOpen = m_link.IsOpen();
    if (sample.count < m_lastHidCount) {
        if (mouseOpen && !sample.openInterfacePresent) {
            outcome.action = SupervisionAction::MouseLost;
            outcome.deviceLostCalls = 1;
            DropMouse();
        } else {
            outcome.action = SupervisionAction::DropIgnored;
        }
    } else if (mouseOpen && sample.openInterfacePresent) {
        outcome.action = SupervisionAction::RiseIgnored;
    } else {
        // A handle whose interface is gone is dead; the search replaces it.
        if (mouseOpen)
            DropMouse();
        outcome.action = SupervisionAction::Searched;
        Search(outcome);
    }
    m_lastHidCount = sample.count;
    return outcome;
}

void Supervision::DropMouse()
{
    m_link.CloseDevice();
}

void Supervision::WaitBeforeSearch()
{
    for (int round = 0; round < kSearchWaitRounds; ++round) {
        m_clock.SleepMs(kSearchWaitRoundMs);
        if (m_waitHook)
            m_waitHook();
    }
}

void Supervision::Search(SupervisionOutcome& outcome)
{
    for (int index = 0; index < kDeviceTargetCount; ++index) {
        const DeviceTarget target = m_link.DeviceTargetAt(index);
        if (!target.IsSet())
            continue;
        WaitBeforeSearch();
        quint32 version = kMouseReleaseNumber;
        m_link.SetDeviceVersion(version);
        if (m_link.OpenDevice(target.vendorId, target.productId, version)) {
            m_link.SetDeviceVersion(version);
            m_link.SetOpenIds(target.vendorId, target.productId);
            outcome.mouseOpened = true;
            outcome.identity = ReadDevInfo();
            return;
        }
        ++outcome.deviceLostCalls;
    }
}

IdentityOutcome Supervision::EndRefused(IdentityOutcome outcome, IdentityResult result, DeviceMessage message,
                                        bool dropHandle)
{
    m_link.SendCommand(CommandCode::SystemReloadCmd);
    m_link.SendCommand(CommandCode::EndCmd);
    if (dropHandle)
        m_link.CloseDevice();
    outcome.result = result;
    outcome.message = message;
    outcome.handleDropped = dropHandle;
    return outcome;
}

IdentityOutcome Supervision::ReadDevInfo()
{
    IdentityOutcome outcome;
    if (!m_link.SendCommand(CommandCode::BeginCmd))
        return outcome;
    m_link.SetReadyFlag(false);
    m_link.SetChipCode(0);
    if (!m_link.SendCommand(CommandCode::StatusCmd))
        return outcome;
    const StatusAnswer answer = m_link.TakeStatusAnswer();
    outcome.readyFlag = m_link.ReadyFlag();
    outcome.chipCode = m_link.ChipCode();
    if (answer.signature != kSignature) {
        outcome.result = IdentityResult::WrongSignature;
        return outcome;
    }
    if (!outcome.readyFlag || outcome.chipCode != kChipCodeAccepted)
        return EndRefused(outcome, IdentityResult::NotAccepted, DeviceMessage::Str020, true);

    const bool read = m_link.ReadBlockQuiet(kIdentityAddress, kIdentityLength, m_identityBytes, 1);
    outcome.identityBytes = m_identityBytes;
    if (!read) {
        // A failed read leaves 0xFF bytes, which would pass for the generic
        // identity 255/255 and let an unchecked mouse in.
        return EndRefused(outcome, IdentityResult::IdentityReadFailed, DeviceMessage::Str020, true);
    }
    outcome.identityRead = true;
    const IdPair found{m_identityBytes[0], m_identityBytes[1]};
    if (found == m_factoryIdPair || found == m_reserveIdPair) {
        outcome.result = IdentityResult::Accepted;
        outcome.fullReadFollows = true;
        return outcome;
    }
    return EndRefused(outcome, IdentityResult::IdentityMismatch, DeviceMessage::Str107, false);
}

}  // namespace orvex
