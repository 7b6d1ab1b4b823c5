#include "cli/Console.h"

#include <cstdio>

namespace orvex::cli {

void PrintOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void PrintJson(const QJsonDocument& document)
{
    PrintOut(QString::fromUtf8(document.toJson(QJsonDocument::Indented)));
}

int Fail(int exitCode, const QString& message)
{
    const QByteArray bytes = (QStringLiteral("orvex71ctl: ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    return exitCode;
}

std::optional<QString> TakeOption(QStringList& words, const QString& name)
{
    const int at = words.indexOf(name);
    if (at < 0 || at + 1 >= words.size())
        return std::nullopt;
    const QString value = words.at(at + 1);
    words.remove(at, 2);
    return value;
}

std::optional<int> ParseRowNumber(const QString& word)
{
    bool ok = false;
    const int row = word.toInt(&ok);
    if (!ok || row < 1)
        return std::nullopt;
    return row;
}

}  // namespace orvex::cli
