#include <QCoreApplication>

#include "cli/CliArguments.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/ExitCodes.h"

using namespace orvex::cli;

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvex71"));

    QString error;
    const std::optional<CliArguments> arguments = ParseCliArguments(application.arguments().mid(1), error);
    if (!arguments)
        return Fail(kExitUsage, error + QStringLiteral(" (try: orvex71ctl show --image FILE)"));

    if (arguments->command == QLatin1String("show"))
        return RunShow(*arguments);
    if (arguments->command == QLatin1String("library"))
        return RunLibrary(*arguments);
    return Fail(kExitUsage, QStringLiteral("unknown command %1").arg(arguments->command));
}
