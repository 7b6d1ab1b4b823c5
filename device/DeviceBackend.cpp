#include "device/DeviceBackend.h"

#include <QFile>

#include "config/FactoryImages.h"
#include "device/HidapiTransport.h"
#include "device/sim/SimFault.h"
#include "device/sim/SimulatedMouse.h"
#include "device/sim/SimulatedTransport.h"
#include "ui/LayoutResource.h"
#include "ui/SkinLayout.h"

namespace orvex {

DeviceBackend::~DeviceBackend() = default;

IdPair DeviceBackend::FactoryIdPair()
{
    // EEPROM addresses 0x36 and 0x37: the vendor-id and product-id bytes.
    const ImageBuffer factory = LoadFactoryImage(1);
    return {factory[0x36], factory[0x37]};
}

IdPair DeviceBackend::ReserveIdPair()
{
    // Without the general layout section only the factory pair is accepted.
    try {
        SkinLayout layout;
        ReadGeneralSection(LoadLayoutSection(0), layout);
        return {layout.reservedVendorId, layout.reservedProductId};
    } catch (const LayoutError&) {
        return {0, 0};
    }
}

std::unique_ptr<DeviceBackend> DeviceBackend::Create(const DeviceOptions& options, Clock& clock, QString& error,
                                                     Clock* searchClock, BackendFailure* failure)
{
    const auto fail = [&](BackendFailure kind) -> std::unique_ptr<DeviceBackend> {
        if (failure)
            *failure = kind;
        return nullptr;
    };
    std::unique_ptr<DeviceBackend> backend(new DeviceBackend);
    if (!options.simulate) {
        if (!options.simFaults.isEmpty()) {
            error = QStringLiteral("--sim-fault needs --simulate");
            return fail(BackendFailure::BadOption);
        }
        backend->m_transport = std::make_unique<HidapiTransport>();
    } else {
        const std::optional<SimFault> fault = ParseSimFault(options.simFaults.join(QLatin1Char(';')), &error);
        if (!fault) {
            error = QStringLiteral("bad --sim-fault: %1").arg(error);
            return fail(BackendFailure::BadOption);
        }
        ImageBuffer eeprom = LoadFactoryImage(1);
        if (!options.simulateFile.isEmpty() && QFile::exists(options.simulateFile)) {
            const std::optional<ImageBuffer> stored = SimulatedMouse::LoadEepromFile(options.simulateFile, &error);
            if (!stored)
                return fail(BackendFailure::BadFile);
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
    backend->m_supervision->SetFactoryIdPair(FactoryIdPair());
    backend->m_supervision->SetReserveIdPair(ReserveIdPair());
    if (failure)
        *failure = BackendFailure::None;
    return backend;
}

}  // namespace orvex
