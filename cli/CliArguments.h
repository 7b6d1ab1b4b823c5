#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orvex::cli {

// What the command line asked for: the global options, the command word and
// the rest of the words in order.
struct CliArguments {
    int languageNumber = 3;  // English unless --lang says otherwise
    bool json = false;
    bool simulate = false;
    QString simulateFile;     // --simulate=FILE
    QStringList simFaults;    // --sim-fault SPEC, in order
    QString command;
    QStringList words;
};

// Parses argv (without the program name). On a usage error returns nullopt
// and sets error to one line for stderr.
std::optional<CliArguments> ParseCliArguments(const QStringList& arguments, QString& error);

}  // namespace orvex::cli
