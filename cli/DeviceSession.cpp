#include "cli/DeviceSession.h"

#include <QFile>

#include "cli/ExitCodes.h"
#include "config/FactoryImages.h"
#include "device/HidapiTransport.h"
#include "device/Transaction.h"
#include "device/sim/SimFault.h"
#include "device/sim/SimulatedTransport.h"
#include "ui/LayoutResource.h"
#include "ui/SkinLayout.h"

namespace orvex::cli {
namespace {

// EEPROM addresses of the vendor-id and product-id bytes.
constexpr int kVendorIdByte = 0x36;
constexpr int kProductIdByte = 0x37;

IdPair FactoryIdPair()
{
    const ImageBuffer factory = LoadFactoryImage(1);
    return {factory[kVendorIdByte], factory[kProductIdByte]};
}

// The second accepted pair comes from the layout's general section; without
// it only the factory pair is accepted.
IdPair ReserveIdPair()
{
    try {
        SkinLayout layout;
        ReadGeneralSection(LoadLayoutSection(0), layout);
        return {layout.reservedVendorId, layout.reservedProductId};
    } catch (const LayoutError&) {
        return {0, 0};
    }
}

QString Hex4(quint32 value)
{
    return QString::number(value, 16).rightJustified(4, QLatin1Char('0'));
}

Connection Refused(int exitCode, const QString& error, const IdentityOutcome& identity)
{
    Connection connection;
    connection.exitCode = exitCode;
    connection.error = error;
    connection.identity = identity;
    return connection;
}

Connection FromIdentity(const IdentityOutcome& identity, IdPair factory, IdPair reserve)
{
    switch (identity.result) {
    case IdentityResult::Accepted: {
        Connection connection;
        connection.accepted = true;
        connection.identity = identity;
        return connection;
    }
    case IdentityResult::NoAnswer:
        return Refused(kExitNoMouse, QStringLiteral("the mouse does not answer"), identity);
    case IdentityResult::WrongSignature:
        return Refused(kExitNoMouse, QStringLiteral("the mouse answered with a wrong signature"), identity);
    case IdentityResult::NotAccepted:
        return Refused(kExitNoMouse,
                       QStringLiteral("the mouse is not ready or has another controller (ready %1, chip code 0x%2)")
                           .arg(identity.readyFlag ? QStringLiteral("yes") : QStringLiteral("no"))
                           .arg(identity.chipCode, 2, 16, QLatin1Char('0')),
                       identity);
    case IdentityResult::IdentityReadFailed:
        return Refused(kExitTransfer, QStringLiteral("reading the mouse's identity bytes failed"), identity);
    case IdentityResult::IdentityMismatch:
        return Refused(kExitIdentity,
                       QStringLiteral("the mouse's manufacturer and product id bytes %1, %2 are refused "
                                      "(accepted: %3, %4 or %5, %6)")
                           .arg(identity.identityBytes[0])
                           .arg(identity.identityBytes[1])
                           .arg(factory.vendorByte)
                           .arg(factory.productByte)
                           .arg(reserve.vendorByte)
                           .arg(reserve.productByte),
                       identity);
    }
    return Refused(kExitNoMouse, QStringLiteral("the mouse does not answer"), identity);
}

}  // namespace

std::unique_ptr<DeviceSession> DeviceSession::Create(const CliArguments& arguments, int& exitCode, QString& error)
{
    std::unique_ptr<DeviceSession> session(new DeviceSession);
    if (!arguments.simulate) {
        if (!arguments.simFaults.isEmpty()) {
            exitCode = kExitUsage;
            error = QStringLiteral("--sim-fault needs --simulate");
            return nullptr;
        }
        session->m_transport = std::make_unique<HidapiTransport>();
    } else {
        QString faultError;
        const std::optional<SimFault> fault = ParseSimFault(arguments.simFaults.join(QLatin1Char(';')), &faultError);
        if (!fault) {
            exitCode = kExitUsage;
            error = QStringLiteral("bad --sim-fault: %1").arg(faultError);
            return nullptr;
        }
        ImageBuffer eeprom = LoadFactoryImage(1);
        if (!arguments.simulateFile.isEmpty() && QFile::exists(arguments.simulateFile)) {
            QString fileError;
            const std::optional<ImageBuffer> stored = SimulatedMouse::LoadEepromFile(arguments.simulateFile, &fileError);
            if (!stored) {
                exitCode = kExitBadFile;
                error = fileError;
                return nullptr;
            }
            eeprom = *stored;
        }
        session->m_mouse = std::make_unique<SimulatedMouse>(session->m_clock, eeprom, *fault);
        session->m_mouse->SetBackingFile(arguments.simulateFile);
        session->m_transport = std::make_unique<SimulatedTransport>(*session->m_mouse);
    }
    session->m_link = std::make_unique<DeviceLink>(*session->m_transport, session->m_clock);
    Clock& searchClock = session->Simulated() ? static_cast<Clock&>(session->m_noWaitClock) : session->m_clock;
    session->m_supervision = std::make_unique<Supervision>(*session->m_link, searchClock);
    session->m_factoryIdPair = FactoryIdPair();
    session->m_reserveIdPair = ReserveIdPair();
    session->m_supervision->SetFactoryIdPair(session->m_factoryIdPair);
    session->m_supervision->SetReserveIdPair(session->m_reserveIdPair);
    return session;
}

DeviceSession::~DeviceSession()
{
    // The link's handle goes before the transport and the mouse it talks to.
    m_supervision.reset();
    m_link.reset();
    m_transport.reset();
    m_mouse.reset();
}

Connection DeviceSession::Connect()
{
    const SupervisionOutcome outcome = m_supervision->DevTimerTimer();
    if (!outcome.mouseOpened || !outcome.identity) {
        const DeviceTarget target = m_link->DeviceTargetAt(0);
        Connection connection;
        connection.exitCode = kExitNoMouse;
        connection.error = QStringLiteral("no mouse found (looking for %1:%2, release %3)")
                               .arg(Hex4(target.vendorId), Hex4(target.productId), Hex4(kMouseReleaseNumber));
        return connection;
    }
    return FromIdentity(*outcome.identity, m_factoryIdPair, m_reserveIdPair);
}

void DeviceSession::EndIdentityTransaction()
{
    EndTransaction(*m_link);
}

QString DeviceSession::SimulationSaveError() const
{
    return m_mouse ? m_mouse->LastSaveError() : QString();
}

}  // namespace orvex::cli
