// The commands that look at the mouse: list, read, show (from the mouse).
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/DeviceSession.h"
#include "cli/ExitCodes.h"
#include "cli/FlowReport.h"
#include "cli/ImageReport.h"
#include "config/ProfileFile.h"
#include "device/ReadFlows.h"

namespace orvex::cli {
namespace {

QString Hex4(quint32 value)
{
    return QString::number(value, 16).rightJustified(4, QLatin1Char('0'));
}

bool IsMouseInterface(const HidInterfaceInfo& info, const DeviceTarget& target)
{
    return info.vendorId == (target.vendorId & 0xFFFF) && info.productId == (target.productId & 0xFFFF)
           && info.releaseNumber == kMouseReleaseNumber && info.featureReportLength == kMouseFeatureReportLength;
}

QString IdentityText(const Connection& connection)
{
    if (connection.accepted)
        return QStringLiteral("accepted (manufacturer and product id bytes %1, %2)")
            .arg(connection.identity->identityBytes[0])
            .arg(connection.identity->identityBytes[1]);
    return QStringLiteral("refused: ") + connection.error;
}

QString IdentityWord(const Connection& connection)
{
    if (!connection.identity)
        return QStringLiteral("not-found");
    switch (connection.identity->result) {
    case IdentityResult::Accepted:
        return QStringLiteral("accepted");
    case IdentityResult::NoAnswer:
        return QStringLiteral("no-answer");
    case IdentityResult::WrongSignature:
        return QStringLiteral("wrong-signature");
    case IdentityResult::NotAccepted:
        return QStringLiteral("not-ready");
    case IdentityResult::IdentityReadFailed:
        return QStringLiteral("identity-unreadable");
    case IdentityResult::IdentityMismatch:
        return QStringLiteral("identity-refused");
    }
    return {};
}

// Reads the whole image of an accepted mouse, with a bar on a terminal.
FlowOutcome ReadImage(DeviceSession& session)
{
    return WithProgressBar(QStringLiteral("reading"),
                           [&session](const FlowProgress& progress) { return FullRead(session.Link(), progress); });
}

}  // namespace

int RunList(const CliArguments& arguments)
{
    if (!arguments.words.isEmpty())
        return Fail(kExitUsage, QStringLiteral("usage: orvex71ctl [--json] list"));
    int exitCode = kExitSuccess;
    QString error;
    const std::unique_ptr<DeviceSession> session = DeviceSession::Create(arguments, exitCode, error);
    if (!session)
        return Fail(exitCode, error);

    const Connection connection = session->Connect();
    if (connection.accepted)
        session->EndIdentityTransaction();
    const std::vector<HidInterfaceInfo> interfaces = session->Link().EnumerateHidInterfaces();
    const DeviceTarget target = session->Link().DeviceTargetAt(0);
    const QString openPath = session->Link().OpenPath();

    if (arguments.json) {
        QJsonArray list;
        for (const HidInterfaceInfo& info : interfaces) {
            list.append(QJsonObject{
                {QStringLiteral("path"), info.path},
                {QStringLiteral("vendorId"), Hex4(info.vendorId)},
                {QStringLiteral("productId"), Hex4(info.productId)},
                {QStringLiteral("release"), Hex4(info.releaseNumber)},
                {QStringLiteral("featureReportLength"), info.featureReportLength},
                {QStringLiteral("mouse"), IsMouseInterface(info, target)},
                {QStringLiteral("opened"), !openPath.isEmpty() && info.path == openPath},
            });
        }
        QJsonObject identity{{QStringLiteral("result"), IdentityWord(connection)}};
        if (connection.identity && connection.identity->identityRead) {
            identity.insert(QStringLiteral("bytes"), QJsonArray{connection.identity->identityBytes[0],
                                                                connection.identity->identityBytes[1]});
        }
        PrintJson(QJsonDocument(QJsonObject{
            {QStringLiteral("interfaces"), list},
            {QStringLiteral("mouse"), openPath.isEmpty() ? QJsonValue() : QJsonValue(openPath)},
            {QStringLiteral("identity"), identity},
        }));
    } else {
        QString text = QStringLiteral("HID interfaces: %1\n").arg(interfaces.size());
        for (const HidInterfaceInfo& info : interfaces) {
            text += QStringLiteral("  %1  %2:%3 release %4, feature report %5%6\n")
                        .arg(info.path, Hex4(info.vendorId), Hex4(info.productId), Hex4(info.releaseNumber))
                        .arg(info.featureReportLength)
                        .arg(IsMouseInterface(info, target) ? QStringLiteral("  <- the mouse") : QString());
        }
        text += QStringLiteral("mouse: %1\n").arg(openPath.isEmpty() ? QStringLiteral("none") : openPath);
        if (connection.identity)
            text += QStringLiteral("identity: %1\n").arg(IdentityText(connection));
        PrintOut(text);
    }
    return connection.accepted ? kExitSuccess : Fail(connection.exitCode, connection.error);
}

int RunRead(const CliArguments& arguments)
{
    QStringList words = arguments.words;
    const std::optional<QString> output = TakeOption(words, QStringLiteral("-o"));
    if (!output || !words.isEmpty())
        return Fail(kExitUsage, QStringLiteral("usage: orvex71ctl read -o FILE"));
    int exitCode = kExitSuccess;
    const std::unique_ptr<DeviceSession> session = ConnectedSession(arguments, exitCode);
    if (!session)
        return exitCode;

    // Only a whole read is saved: a file of what the program happened to hold
    // would pass for the mouse's configuration.
    const FlowOutcome read = ReadImage(*session);
    if (!read.Succeeded())
        return FailRead(read);
    const QString path = ProfileFileName(*output);
    const FileSaveResult saved = SaveProfileFile(path, *read.image);
    if (!saved.saved)
        return Fail(kExitBadFile, saved.errorText);
    PrintOut(QStringLiteral("saved the mouse's configuration to %1\n").arg(path));
    return kExitSuccess;
}

int RunShowFromMouse(const CliArguments& arguments)
{
    int exitCode = kExitSuccess;
    const std::unique_ptr<DeviceSession> session = ConnectedSession(arguments, exitCode);
    if (!session)
        return exitCode;
    const FlowOutcome read = ReadImage(*session);
    if (!read.Succeeded())
        return FailRead(read);
    const QJsonObject report = ImageReportJson(*read.image, LoadLanguageTable(arguments.languageNumber));
    if (arguments.json)
        PrintJson(QJsonDocument(report));
    else
        PrintOut(ImageReportText(report));
    return kExitSuccess;
}

}  // namespace orvex::cli
