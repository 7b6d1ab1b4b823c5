#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "cli/CliArguments.h"
#include "device/Clock.h"
#include "device/DeviceLink.h"
#include "device/DeviceBackend.h"
#include "device/HidTransport.h"
#include "device/Supervision.h"
#include "device/sim/SimulatedMouse.h"

namespace orvex::cli {

// What looking for the mouse found: a mouse that passed the identity check
// (its transaction is still open for the read that follows), or why not.
struct Connection {
    bool accepted = false;
    int exitCode = 0;  // ExitCodes.h; 0 when accepted
    QString error;     // one line for stderr when not accepted
    std::optional<IdentityOutcome> identity;
};

// One run of orvex71ctl against a mouse: the transport (hidapi, or the
// simulated mouse for --simulate[=FILE] with every --sim-fault applied), the
// DeviceLink on the real clock, and the supervision's search and identity
// check, run once. --simulate=FILE starts the simulated EEPROM from FILE
// when it exists (factory image 1 otherwise) and saves it back there,
// atomically, after every completed write.
class DeviceSession {
public:
    /// nullptr on a bad --sim-fault (exit 2) or an unusable simulation file
    /// (exit 6); exitCode and error say which.
    static std::unique_ptr<DeviceSession> Create(const CliArguments& arguments, int& exitCode, QString& error);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    /// One supervision step: finds and opens the mouse and checks its
    /// identity.
    Connection Connect();
    /// SystemReloadCmd and EndCmd for a command that writes without reading
    /// first: the accepted identity check left its transaction open.
    void EndIdentityTransaction();

    DeviceLink& Link() { return m_backend->Link(); }
    Supervision& Watch() { return m_backend->Watch(); }
    bool Simulated() const { return m_backend->Mouse() != nullptr; }
    /// Why the simulated EEPROM file could not be saved; empty otherwise.
    QString SimulationSaveError() const;

private:
    DeviceSession() = default;

    RealClock m_clock;
    // The supervision waits 2.1 s before it opens a freshly plugged mouse;
    // the simulated one is there at once, so its wait runs on a clock that
    // does not sleep.
    VirtualClock m_noWaitClock;
    std::unique_ptr<DeviceBackend> m_backend;
};

}  // namespace orvex::cli
