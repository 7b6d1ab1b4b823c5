#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/ExitCodes.h"
#include "macro/MacroCodec.h"
#include "macro/MacroLibrary.h"
#include "ui/LayoutResource.h"

namespace orvex::cli {
namespace {

const char kUsage[] =
    "usage: orvex71ctl [--json] library [--file F] list | show N | new NAME | rename N NAME | "
    "delete N | import-one FILE | import-all FILE | export-one N FILE | export-all FILE";

// The library file the configurator uses: the layout's Path folder, or the
// user's data folder when it is empty.
QString DefaultLibraryPath()
{
    QString folder;
    try {
        folder = LoadLayoutSection(0).Text(QStringLiteral("Path"));
    } catch (const LayoutError&) {
        // Without the general section the user's data folder still serves.
    }
    return LibraryFilePath(folder);
}

QJsonObject MacroJson(const MacroLibrary& library, int row)
{
    const MacroScript script = MacroBufToScript(library.Record(row));
    return QJsonObject{
        {QStringLiteral("name"), library.Name(row)},
        {QStringLiteral("releaseMode"),
         script.releaseMode == ReleaseMode::Stop ? QStringLiteral("stop") : QStringLiteral("continue")},
        {QStringLiteral("script"), QJsonArray::fromStringList(script.lines)},
    };
}

int Report(const LibraryOutcome& outcome)
{
    if (outcome.Succeeded())
        return kExitSuccess;
    const int code = outcome.status == LibraryStatus::FileTooShort ? kExitBadFile : kExitFailure;
    return Fail(code, outcome.errorText);
}

struct LibraryRun {
    MacroLibrary library;
    QString path;
    bool json = false;

    // Rows on the command line count from 1.
    std::optional<int> Row(const QString& word) const
    {
        const std::optional<int> row = ParseRowNumber(word);
        if (!row || *row > library.Count())
            return std::nullopt;
        return *row - 1;
    }

    int SaveAfter(const LibraryOutcome& outcome)
    {
        if (!outcome.Succeeded())
            return Report(outcome);
        return Report(library.Save(path));
    }
};

int List(LibraryRun& run)
{
    const QStringList names = run.library.Names();
    if (run.json) {
        PrintJson(QJsonDocument(QJsonArray::fromStringList(names)));
    } else {
        QString text;
        for (int i = 0; i < names.size(); ++i)
            text += QStringLiteral("%1  %2\n").arg(i + 1, 3).arg(names.at(i));
        PrintOut(text);
    }
    return kExitSuccess;
}

int Show(LibraryRun& run, int row)
{
    const QJsonObject macro = MacroJson(run.library, row);
    if (run.json) {
        PrintJson(QJsonDocument(macro));
        return kExitSuccess;
    }
    QString text = QStringLiteral("%1 (release: %2)\n")
                       .arg(macro.value(QStringLiteral("name")).toString(),
                            macro.value(QStringLiteral("releaseMode")).toString());
    for (const QJsonValue& line : macro.value(QStringLiteral("script")).toArray())
        text += QStringLiteral("  %1\n").arg(line.toString());
    PrintOut(text);
    return kExitSuccess;
}

}  // namespace

int RunLibrary(const CliArguments& arguments)
{
    QStringList words = arguments.words;
    LibraryRun run;
    run.json = arguments.json;
    run.path = TakeOption(words, QStringLiteral("--file")).value_or(DefaultLibraryPath());
    if (words.isEmpty())
        return Fail(kExitUsage, QLatin1String(kUsage));

    const LibraryOutcome loaded = run.library.Load(run.path);
    if (loaded.status == LibraryStatus::FileError && run.library.Count() == 0)
        return Report(loaded);

    const QString verb = words.takeFirst();
    const auto argumentCount = [&](int count) { return words.size() == count; };
    const auto badRow = [&](const QString& word) {
        return Fail(kExitUsage, QStringLiteral("no macro at row %1 (the library holds %2)")
                                    .arg(word).arg(run.library.Count()));
    };

    if (verb == QLatin1String("list") && argumentCount(0))
        return List(run);
    if (verb == QLatin1String("show") && argumentCount(1)) {
        const auto row = run.Row(words[0]);
        return row ? Show(run, *row) : badRow(words[0]);
    }
    if (verb == QLatin1String("new") && argumentCount(1)) {
        if (run.library.IsFull())
            return Fail(kExitFailure, QStringLiteral("the library already holds 100 macros"));
        return run.SaveAfter(run.library.New(words[0]));
    }
    if (verb == QLatin1String("rename") && argumentCount(2)) {
        const auto row = run.Row(words[0]);
        return row ? run.SaveAfter(run.library.Rename(*row, words[1])) : badRow(words[0]);
    }
    if (verb == QLatin1String("delete") && argumentCount(1)) {
        const auto row = run.Row(words[0]);
        return row ? run.SaveAfter(run.library.Delete(*row)) : badRow(words[0]);
    }
    if (verb == QLatin1String("import-one") && argumentCount(1))
        return run.SaveAfter(run.library.ImportOne(words[0]));
    if (verb == QLatin1String("import-all") && argumentCount(1))
        return run.SaveAfter(run.library.ImportAll(words[0]));
    if (verb == QLatin1String("export-one") && argumentCount(2)) {
        const auto row = run.Row(words[0]);
        return row ? Report(run.library.ExportOne(*row, words[1])) : badRow(words[0]);
    }
    if (verb == QLatin1String("export-all") && argumentCount(1))
        return Report(run.library.ExportAll(words[0]));
    return Fail(kExitUsage, QLatin1String(kUsage));
}

}  // namespace orvex::cli
