#pragma once

#include <QString>

#include <array>
#include <atomic>
#include <functional>
#include <optional>

#include "device/Clock.h"
#include "device/DeviceLink.h"

namespace orvex {

// The window's supervision timer fires this often.
inline constexpr int kDevTimerIntervalMs = 3500;

// The vendor-id and product-id bytes a mouse's EEPROM must hold (0x36/0x37).
struct IdPair {
    int vendorByte = 0;
    int productByte = 0;

    bool operator==(const IdPair&) const = default;
};

// A message the window shows for a supervision outcome; its text is the
// language table's entry of that id (Str100 is followed by CR CR and Str101).
enum class DeviceMessage {
    None,
    Str020,  // the mouse answered but is not ready or not the right controller
    Str100,  // the mouse is gone, or was not found after an interface appeared
    Str107,  // the mouse's identity bytes match neither pair
};

/// The language-table key of message ("Str020" ...); empty for None.
QString DeviceMessageKey(DeviceMessage message);

enum class IdentityResult {
    NoAnswer,            // BeginCmd or StatusCmd not acknowledged (also: no mouse open)
    WrongSignature,      // StatusCmd byte 1 is not 0xAA
    Accepted,            // identity bytes match a pair: the full read follows
    IdentityMismatch,    // Str107; the handle is kept
    IdentityReadFailed,  // the identity bytes could not be read: Str020, handle dropped
    NotAccepted,         // not ready or not controller 0x99: Str020, handle dropped
};

// What ReadDevInfo found and did.
struct IdentityOutcome {
    IdentityResult result = IdentityResult::NoAnswer;
    DeviceMessage message = DeviceMessage::None;
    bool fullReadFollows = false;  // the caller runs the full read now
    bool handleDropped = false;
    bool identityRead = false;     // identityBytes came from the mouse
    std::array<Byte, 2> identityBytes{};
    bool readyFlag = false;
    int chipCode = 0;
};

enum class SupervisionAction {
    Busy,          // a supervision step was already running: returned at once
    NoChange,      // count as before, or fewer than 2 of 5 double samples agreed
    MouseLost,     // the count fell and the open mouse's interface is gone
    DropIgnored,   // the count fell but no mouse was open or it is still there
    RiseIgnored,   // the count rose while the open mouse is still there
    Searched,      // the count rose with no mouse open: the targets were searched
};

// What one supervision step found and did. The window acts on it: one
// DeviceLost (no-device state + Str100) per deviceLostCalls, then the
// identity outcome's message or full read.
struct SupervisionOutcome {
    SupervisionAction action = SupervisionAction::NoChange;
    int sampledCount = 0;
    int agreeingSamples = 0;
    int deviceLostCalls = 0;
    bool mouseOpened = false;
    std::optional<IdentityOutcome> identity;  // set when a target was opened
};

// The supervision of the mouse over its DeviceLink: watches the number of
// HID interfaces, searches for the mouse when one appears, checks its
// identity, and tells when it has gone. Runs on one thread at a time; a step
// started while another runs returns Busy.
class Supervision {
public:
    /// Neither link nor clock is owned; both outlive the supervision.
    Supervision(DeviceLink& link, Clock& clock);

    /// The identity bytes of factory image 1 (255, 255 as shipped).
    void SetFactoryIdPair(IdPair pair);
    /// The second accepted pair, from the layout resource (0, 0 as shipped).
    void SetReserveIdPair(IdPair pair);
    /// Runs after each 100 ms round of the 2.1 s wait (the window pumps its
    /// messages there).
    void SetWaitHook(std::function<void()> hook);

    /// One supervision step, run by the window's timer. Samples the count in
    /// 5 double samples; acts only on a count that differs from LastHidCount
    /// and agreed in at least 2 of them. A fall declares the mouse lost only
    /// when its own interface is gone; a rise searches only when no mouse is
    /// open (waits 2.1 s, opens a target, checks its identity).
    SupervisionOutcome DevTimerTimer();

    /// The identity check of the open mouse. An accepted mouse is left for
    /// the caller's full read; a mismatch is answered with SystemReloadCmd and
    /// EndCmd and keeps the handle; a mouse not ready, of another controller,
    /// or whose identity bytes could not be read gets SystemReloadCmd and
    /// EndCmd and is dropped.
    IdentityOutcome ReadDevInfo();

    int LastHidCount() const { return m_lastHidCount; }
    bool IsBusy() const { return m_busy.load(); }
    std::array<Byte, 2> IdentityBytes() const { return m_identityBytes; }

private:
    struct Sample {
        int count = 0;
        int agreeing = 0;
        bool openInterfacePresent = false;
    };

    Sample SampleInterfaces();
    void WaitBeforeSearch();
    void DropMouse();
    void Search(SupervisionOutcome& outcome);
    IdentityOutcome EndRefused(IdentityOutcome outcome, IdentityResult result, DeviceMessage message,
                               bool dropHandle);

    DeviceLink& m_link;
    Clock& m_clock;
    IdPair m_factoryIdPair{255, 255};
    IdPair m_reserveIdPair{0, 0};
    std::function<void()> m_waitHook;
    std::atomic<bool> m_busy{false};
    int m_lastHidCount = 0;
    std::array<Byte, 2> m_identityBytes{};
};

}  // namespace orvex
