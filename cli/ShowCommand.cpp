#include <QFile>
#include <QJsonDocument>

#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/ExitCodes.h"
#include "cli/ImageReport.h"

namespace orvex::cli {

int RunShow(const CliArguments& arguments)
{
    QStringList words = arguments.words;
    const std::optional<QString> path = TakeOption(words, QStringLiteral("--image"));
    if (!words.isEmpty())
        return Fail(kExitUsage, QStringLiteral("usage: orvex71ctl [--lang 1|2|3] [--json] show [--image FILE]"));
    if (!path)
        return RunShowFromMouse(arguments);

    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(kExitBadFile, QStringLiteral("cannot open %1: %2").arg(*path, file.errorString()));
    const QByteArray bytes = file.read(kImageSize);
    if (bytes.size() < kImageSize) {
        return Fail(kExitBadFile, QStringLiteral("%1 holds %2 bytes; an image is %3 bytes")
                                      .arg(*path).arg(bytes.size()).arg(kImageSize));
    }
    ImageBuffer image{};
    std::copy(bytes.begin(), bytes.end(), image.begin());

    const QJsonObject report = ImageReportJson(image, LoadLanguageTable(arguments.languageNumber));
    if (arguments.json)
        PrintJson(QJsonDocument(report));
    else
        PrintOut(ImageReportText(report));
    return kExitSuccess;
}

}  // namespace orvex::cli
