#include "cli/FlowReport.h"

#include "cli/Console.h"
#include "cli/ExitCodes.h"
#include "cli/ProgressBar.h"

namespace orvex::cli {

int ExitCodeOf(FlowResult result)
{
    switch (result) {
    case FlowResult::Success:
        return kExitSuccess;
    case FlowResult::NoMouse:
    case FlowResult::NoAnswer:
    case FlowResult::WrongSignature:
    case FlowResult::NotReady:
        return kExitNoMouse;
    case FlowResult::IdentityRefused:
        return kExitIdentity;
    case FlowResult::ReadFailed:
    case FlowResult::WriteFailed:
    case FlowResult::VerifyFailed:
        return kExitTransfer;
    }
    return kExitFailure;
}

int ConnectOrFail(DeviceSession& session)
{
    const Connection connection = session.Connect();
    if (connection.accepted)
        return kExitSuccess;
    return Fail(connection.exitCode, connection.error);
}

int FailRead(const FlowOutcome& outcome)
{
    return Fail(ExitCodeOf(outcome.result), QStringLiteral("reading the mouse failed: ") + FlowResultText(outcome.result));
}

int ReportWrite(const FlowOutcome& outcome, const DeviceSession& session, const QString& what)
{
    if (outcome.Succeeded()) {
        if (outcome.verification == VerifyResult::NoAnswer || outcome.verification == VerifyResult::WrongSignature)
            Fail(kExitSuccess, QStringLiteral("warning: %1: written, but the mouse did not answer the read-back")
                                   .arg(what));
        return kExitSuccess;
    }
    QString reason = FlowResultText(outcome.result);
    if (outcome.result == FlowResult::NotReady)
        reason += QStringLiteral("; nothing was written");
    const QString saveError = session.SimulationSaveError();
    if (!saveError.isEmpty())
        reason += QStringLiteral(" (") + saveError + QLatin1Char(')');
    return Fail(ExitCodeOf(outcome.result), QStringLiteral("%1 failed: %2").arg(what, reason));
}

std::unique_ptr<DeviceSession> ConnectedSession(const CliArguments& arguments, int& exitCode)
{
    QString error;
    std::unique_ptr<DeviceSession> session = DeviceSession::Create(arguments, exitCode, error);
    if (!session) {
        exitCode = Fail(exitCode, error);
        return nullptr;
    }
    exitCode = ConnectOrFail(*session);
    if (exitCode != kExitSuccess)
        return nullptr;
    return session;
}

FlowOutcome WithProgressBar(const QString& label, const std::function<FlowOutcome(const FlowProgress&)>& flow)
{
    ProgressBar bar(label);
    FlowOutcome outcome = flow(bar.Callback());
    bar.Finish();
    return outcome;
}

}  // namespace orvex::cli
