#pragma once

#include <QJsonDocument>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvex::cli {

// UTF-8 text to stdout; one line of error (prefixed "orvex71ctl: ") to stderr.
void PrintOut(const QString& text);
void PrintJson(const QJsonDocument& document);
int Fail(int exitCode, const QString& message);

// Takes "--name VALUE" out of a command's words; nullopt when absent.
std::optional<QString> TakeOption(QStringList& words, const QString& name);

// A 1-based row number word; nullopt when it is not a positive integer.
std::optional<int> ParseRowNumber(const QString& word);

}  // namespace orvex::cli
