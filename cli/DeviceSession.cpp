#include "cli/DeviceSession.h"

#include "cli/ExitCodes.h"
#include "device/Transaction.h"
#include "device/sim/SimulatedMouse.h"

namespace orvex::cli {
namespace {

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
    DeviceOptions options;
    options.simulate = arguments.simulate;
    options.simulateFile = arguments.simulateFile;
    options.simFaults = arguments.simFaults;
    BackendFailure failure = BackendFailure::None;
    Clock* searchClock = options.simulate ? &session->m_noWaitClock : nullptr;
    session->m_backend = DeviceBackend::Create(options, session->m_clock, error, searchClock, &failure);
    if (!session->m_backend) {
        exitCode = failure == BackendFailure::BadFile ? kExitBadFile : kExitUsage;
        return nullptr;
    }
    return session;
}

DeviceSession::~DeviceSession() = default;

Connection DeviceSession::Connect()
{
    const SupervisionOutcome outcome = Watch().DevTimerTimer();
    if (!outcome.mouseOpened || !outcome.identity) {
        const DeviceTarget target = Link().DeviceTargetAt(0);
        Connection connection;
        connection.exitCode = kExitNoMouse;
        connection.error = QStringLiteral("no mouse found (looking for %1:%2, release %3)")
                               .arg(Hex4(target.vendorId), Hex4(target.productId), Hex4(kMouseReleaseNumber));
        return connection;
    }
    return FromIdentity(*outcome.identity, DeviceBackend::FactoryIdPair(), DeviceBackend::ReserveIdPair());
}

void DeviceSession::EndIdentityTransaction()
{
    EndTransaction(Link());
}

QString DeviceSession::SimulationSaveError() const
{
    const SimulatedMouse* mouse = m_backend->Mouse();
    return mouse ? mouse->LastSaveError() : QString();
}

}  // namespace orvex::cli
