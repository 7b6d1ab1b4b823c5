// The commands that write the mouse: write, reset, import-macros.
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/DeviceSession.h"
#include "cli/ExitCodes.h"
#include "cli/FlowReport.h"
#include "config/FactoryImages.h"
#include "config/ProfileFile.h"
#include "device/ReadFlows.h"
#include "device/WriteFlows.h"

namespace orvex::cli {
namespace {

// Writes that need no read first: the identity check's transaction is
// closed, then flow writes; success prints done.
int WriteWithoutRead(const CliArguments& arguments, const QString& what, const QString& done,
                     const std::function<FlowOutcome(DeviceSession&, const FlowProgress&)>& flow)
{
    int exitCode = kExitSuccess;
    const std::unique_ptr<DeviceSession> session = ConnectedSession(arguments, exitCode);
    if (!session)
        return exitCode;
    session->EndIdentityTransaction();
    const FlowOutcome outcome = WithProgressBar(QStringLiteral("writing"), [&](const FlowProgress& progress) {
        return flow(*session, progress);
    });
    const int result = ReportWrite(outcome, *session, what);
    if (result == kExitSuccess)
        PrintOut(done);
    return result;
}

}  // namespace

int RunWrite(const CliArguments& arguments)
{
    if (arguments.words.size() != 1)
        return Fail(kExitUsage, QStringLiteral("usage: orvex71ctl write FILE"));
    // The file is checked before the mouse is touched.
    const ProfileFileLoad load = LoadProfileFile(arguments.words.at(0));
    if (!load.Loaded())
        return Fail(kExitBadFile, load.errorText);

    return WriteWithoutRead(arguments, QStringLiteral("writing the profile"),
                            QStringLiteral("wrote %1 to the mouse\n").arg(arguments.words.at(0)),
                            [&](DeviceSession& session, const FlowProgress& progress) {
                                return MemoToDataBuf_OnClick(session.Link(), load.image, progress);
                            });
}

int RunReset(const CliArguments& arguments)
{
    const QString usage = QStringLiteral("usage: orvex71ctl reset 1|2|3|defaults");
    if (arguments.words.size() != 1)
        return Fail(kExitUsage, usage);
    const QString which = arguments.words.at(0);
    const bool defaults = which == QLatin1String("defaults");
    bool isNumber = false;
    const int n = which.toInt(&isNumber);
    if (!defaults && (!isNumber || n < 1 || n > kFactoryImageCount))
        return Fail(kExitUsage, usage);

    int exitCode = kExitSuccess;
    const std::unique_ptr<DeviceSession> session = ConnectedSession(arguments, exitCode);
    if (!session)
        return exitCode;
    FlowOutcome outcome;
    if (defaults) {
        // The defaults keep the gap bytes of the image they replace, so that
        // image is the mouse's own.
        const FlowOutcome read = WithProgressBar(QStringLiteral("reading"), [&](const FlowProgress& progress) {
            return FullRead(session->Link(), progress);
        });
        if (!read.Succeeded())
            return FailRead(read);
        outcome = WithProgressBar(QStringLiteral("writing"), [&](const FlowProgress& progress) {
            return TLDefaultParameter(session->Link(), *read.image, progress);
        });
    } else {
        session->EndIdentityTransaction();
        outcome = WithProgressBar(QStringLiteral("writing"), [&](const FlowProgress& progress) {
            return DefaultParameter(session->Link(), n, progress);
        });
    }
    const QString what = defaults ? QStringLiteral("writing the defaults")
                                  : QStringLiteral("restoring factory image %1").arg(n);
    const int result = ReportWrite(outcome, *session, what);
    if (result == kExitSuccess) {
        PrintOut(defaults ? QStringLiteral("wrote the built-in defaults to the mouse\n")
                          : QStringLiteral("restored factory image %1 on the mouse\n").arg(n));
    }
    return result;
}

int RunImportMacros(const CliArguments& arguments)
{
    if (arguments.words.size() != 1)
        return Fail(kExitUsage, QStringLiteral("usage: orvex71ctl import-macros FILE"));
    const MacroAreaFileLoad load = LoadMacroAreaFile(arguments.words.at(0));
    if (!load.Loaded())
        return Fail(kExitBadFile, load.errorText);

    return WriteWithoutRead(arguments, QStringLiteral("importing the macro area"),
                            QStringLiteral("wrote the macro area of %1 to the mouse\n").arg(arguments.words.at(0)),
                            [&](DeviceSession& session, const FlowProgress& progress) {
                                return WriteMacroArea(session.Link(), load.area, progress);
                            });
}

}  // namespace orvex::cli
