#include <QCoreApplication>

#include "cli/CliArguments.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/ExitCodes.h"

using namespace orvex::cli;

namespace {

const char kUsage[] =
    "usage: orvex71ctl [--simulate[=EEPROM_FILE]] [--sim-fault SPEC]... [--lang 1|2|3] [--json] COMMAND\n"
    "\n"
    "commands on the mouse:\n"
    "  list                      the HID interfaces, which one is the mouse, its identity check\n"
    "  read -o FILE              save the mouse's configuration as a profile (\".bin\" is added unless given)\n"
    "  write FILE                load a profile into the mouse and verify it\n"
    "  show                      decode the mouse's configuration\n"
    "  reset 1|2|3|defaults      restore a factory image, or write the built-in defaults\n"
    "  import-macros FILE        write a 1792-byte macro-area file into the mouse\n"
    "\n"
    "commands on files:\n"
    "  show --image FILE         decode a profile file\n"
    "  library [--file F] list | show N | new NAME | rename N NAME | delete N\n"
    "          | import-one FILE | import-all FILE | export-one N FILE | export-all FILE\n"
    "\n"
    "--simulate talks to a simulated mouse instead of the real one; with a file it keeps its EEPROM\n"
    "there. --sim-fault makes it misbehave, e.g. silent, not-ready, identity=3,7, nak-chunk=5,\n"
    "corrupt-readback=once, unplug-after=100.\n"
    "\n"
    "exit codes: 0 success, 1 a library operation refused, 2 usage, 3 no usable mouse,\n"
    "4 identity refused, 5 transfer or verification failed, 6 bad file\n";

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvex71"));

    const QStringList words = application.arguments().mid(1);
    if (words == QStringList{QStringLiteral("help")} || words == QStringList{QStringLiteral("--help")}) {
        PrintOut(QString::fromLatin1(kUsage));
        return kExitSuccess;
    }
    QString error;
    const std::optional<CliArguments> arguments = ParseCliArguments(words, error);
    if (!arguments)
        return Fail(kExitUsage, error + QStringLiteral(" (try: orvex71ctl help)"));

    const QString& command = arguments->command;
    if (command == QLatin1String("show"))
        return RunShow(*arguments);
    if (command == QLatin1String("library"))
        return RunLibrary(*arguments);
    if (command == QLatin1String("list"))
        return RunList(*arguments);
    if (command == QLatin1String("read"))
        return RunRead(*arguments);
    if (command == QLatin1String("write"))
        return RunWrite(*arguments);
    if (command == QLatin1String("reset"))
        return RunReset(*arguments);
    if (command == QLatin1String("import-macros"))
        return RunImportMacros(*arguments);
    return Fail(kExitUsage, QStringLiteral("unknown command %1 (try: orvex71ctl help)").arg(command));
}
