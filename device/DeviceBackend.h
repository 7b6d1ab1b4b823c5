#pragma once

#include <QString>
#include <QStringList>

#include <memory>

#include "device/Clock.h"
#include "device/DeviceLink.h"
#include "device/HidTransport.h"
#include "device/Supervision.h"

namespace orvex {

class SimulatedMouse;
class SimulatedTransport;

// Which mouse a program talks to: the real one through hidapi, or the
// simulated one (optionally kept in an EEPROM file) with faults injected.
struct DeviceOptions {
    bool simulate = false;
    QString simulateFile;   // --simulate=FILE: EEPROM loaded from and saved back to it
    QStringList simFaults;  // --sim-fault SPEC, each
};

enum class BackendFailure {
    None,
    BadOption,  // a fault spec that does not parse, or a fault without --simulate
    BadFile,    // an EEPROM file that cannot be read
};

// The device side of a program: transport, DeviceLink and supervision over
// one clock. Everything in it is used from one thread at a time (the window's
// device thread, or the command line's main thread).
class DeviceBackend {
public:
    // nullptr with failure and error set for a bad fault spec or an
    // unreadable EEPROM file. searchClock serves the supervision's settle wait
    // (the simulated mouse needs none); it defaults to clock. The supervision
    // accepts the identity bytes of factory image 1 and the reserved pair of
    // the layout's general section.
    static std::unique_ptr<DeviceBackend> Create(const DeviceOptions& options, Clock& clock, QString& error,
                                                 Clock* searchClock = nullptr, BackendFailure* failure = nullptr);

    // The identity pairs a mouse may carry.
    static IdPair FactoryIdPair();
    static IdPair ReserveIdPair();
    ~DeviceBackend();

    DeviceLink& Link() { return *m_link; }
    Supervision& Watch() { return *m_supervision; }
    // The simulated mouse and its interfaces; nullptr for the real mouse.
    SimulatedMouse* Mouse() { return m_mouse.get(); }
    SimulatedTransport* Simulation() { return m_simulation; }

private:
    DeviceBackend() = default;

    std::unique_ptr<SimulatedMouse> m_mouse;
    SimulatedTransport* m_simulation = nullptr;
    std::unique_ptr<HidTransport> m_transport;
    std::unique_ptr<DeviceLink> m_link;
    std::unique_ptr<Supervision> m_supervision;
};

}  // namespace orvex
