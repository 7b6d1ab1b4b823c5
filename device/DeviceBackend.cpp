#include "device/DeviceBackend.h"

#include <QFile>

#include "config/FactoryImages.h"
#include "device/HidapiTransport.h"
#include "device/sim/SimFault.h"
#include "device/sim/SimulatedMouse.h"
#include "device/sim/SimulatedTransport.h"

namespace orvex {

DeviceBackend::~DeviceBackend() = default;

std::unique_ptr<DeviceBackend> DeviceBackend::Create(const DeviceOptions& options, Clock& clock, QString& error,
                                                     Clock* searchClock)
{
    std::unique_ptr<DeviceBackend> backend(new DeviceBackend);
    if (!options.simulate) {
        if (!options.simFaults.isEmpty()) {
            error = QStringLiteral("--sim-fault needs --simulate");
            return nullptr;
        }
        backend->m_transport = std::make_unique<HidapiTransport>();
    } else {
        const std::optional<SimFault> fault = ParseSimFault(options.simFaults.join(QLatin1Char(';')), &error);
        if (!fault) {
            error = QStringLiteral("bad --sim-fault: %1").arg(error);
            return nullptr;
        }
        ImageBuffer eeprom = LoadFactoryImage(1);
        if (!options.simulateFile.isEmpty() && QFile::exists(options.simulateFile)) {
            const std::optional<ImageBuffer> stored = SimulatedMouse::LoadEepromFile(options.simulateFile, &error);
            if (!stored)
                return nullptr;
            eeprom = *stored;
        }
        backend->m_mouse = std::make_unique<SimulatedMouse>(clock, eeprom, *fault);
        if (!options.simulateFile.isEmpty())
            backend->m_mouse->SetBackingFile(options.simulateFile);
        auto simulation = std::make_unique<SimulatedTransport>(*backend->m_mouse);
        backend->m_simulation = simulation.get();
        backend->m_transport = std::move(simulation);
    }
    backend->m_link = std::make_unique<DeviceLink>(*backend->m_transport, clock);
    backend->m_supervision = std::make_unique<Supervision>(*backend->m_link, searchClock ? *searchClock : clock);
    return backend;
}

}  // namespace orvex
