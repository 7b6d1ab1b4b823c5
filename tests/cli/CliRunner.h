#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace orvex::testing {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QJsonDocument Json() const { return QJsonDocument::fromJson(out); }
};

// Runs orvex71ctl with the given words; HOME and the data folders point into
// home so the user's real library is never touched.
inline CliResult RunCli(const QStringList& words, const QString& home)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(home);
    process.start(QStringLiteral(ORVEX71CTL_PATH), words);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

inline QString SourcePath(const QString& relative)
{
    return QStringLiteral(ORVEX71_SOURCE_DIR "/") + relative;
}

}  // namespace orvex::testing
