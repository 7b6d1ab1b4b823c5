#include "cli/CliArguments.h"

namespace orvex::cli {

std::optional<CliArguments> ParseCliArguments(const QStringList& arguments, QString& error)
{
    CliArguments parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        auto takeValue = [&](const QString& option) -> std::optional<QString> {
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("%1 needs a value").arg(option);
                return std::nullopt;
            }
            return arguments.at(++i);
        };
        if (!parsed.command.isEmpty() && !word.startsWith(QLatin1String("--"))) {
            parsed.words << word;
        } else if (word == QLatin1String("--json")) {
            parsed.json = true;
        } else if (word == QLatin1String("--lang")) {
            const auto value = takeValue(word);
            if (!value)
                return std::nullopt;
            bool ok = false;
            const int number = value->toInt(&ok);
            if (!ok || number < 1 || number > 3) {
                error = QStringLiteral("--lang takes 1, 2 or 3");
                return std::nullopt;
            }
            parsed.languageNumber = number;
        } else if (word == QLatin1String("--simulate")) {
            parsed.simulate = true;
        } else if (word.startsWith(QLatin1String("--simulate="))) {
            parsed.simulate = true;
            parsed.simulateFile = word.mid(int(qstrlen("--simulate=")));
            if (parsed.simulateFile.isEmpty()) {
                error = QStringLiteral("--simulate= needs a file name");
                return std::nullopt;
            }
        } else if (word == QLatin1String("--sim-fault")) {
            const auto value = takeValue(word);
            if (!value)
                return std::nullopt;
            parsed.simFaults << *value;
        } else if (word == QLatin1String("--file") || word == QLatin1String("--image")
                   || word == QLatin1String("-o")) {
            // Options of a command: kept with the command's words.
            const auto value = takeValue(word);
            if (!value)
                return std::nullopt;
            parsed.words << word << *value;
        } else if (word.startsWith(QLatin1String("-"))) {
            error = QStringLiteral("unknown option %1").arg(word);
            return std::nullopt;
        } else {
            parsed.command = word;
        }
    }
    if (parsed.command.isEmpty()) {
        error = QStringLiteral("no command given");
        return std::nullopt;
    }
    return parsed;
}

}  // namespace orvex::cli
