#include "app/AppOptions.h"

namespace orvex {

std::optional<AppOptions> ParseAppOptions(const QStringList& arguments, QString& error)
{
    AppOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        if (word == QLatin1String("--engineer")) {
            options.engineerButtons = true;
        } else if (word == QLatin1String("--simulate")) {
            options.device.simulate = true;
        } else if (word.startsWith(QLatin1String("--simulate="))) {
            options.device.simulate = true;
            options.device.simulateFile = word.section(QLatin1Char('='), 1);
        } else if (word == QLatin1String("--sim-fault") && i + 1 < arguments.size()) {
            options.device.simFaults << arguments.at(++i);
        } else if (word.startsWith(QLatin1String("--sim-fault="))) {
            options.device.simFaults << word.section(QLatin1Char('='), 1);
        } else {
            error = QStringLiteral("unknown argument %1\nusage: orvex71 [--simulate[=EEPROM_FILE]] "
                                   "[--sim-fault SPEC ...] [--engineer]")
                        .arg(word);
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace orvex
