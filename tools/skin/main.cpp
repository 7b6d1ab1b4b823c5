// Draws the skin pictures and writes them under the repository root:
//   orvex71_skin [--root DIR] [--check-only] [--preview DIR]
// --check-only checks the pictures already on disk instead of drawing them;
// --preview composes sample pages from them for a look by eye.

#include "tools/skin/PictureCatalogue.h"
#include "tools/skin/Preview.h"
#include "tools/skin/SeeThroughCheck.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace orvex::skin {
namespace {

QStringList CheckPicture(const PictureJob& job, const QImage& image)
{
    if (image.isNull())
        return {QStringLiteral("missing or unreadable")};
    if (image.size() != job.size)
        return {QStringLiteral("is %1 x %2, expected %3 x %4")
                    .arg(image.width())
                    .arg(image.height())
                    .arg(job.size.width())
                    .arg(job.size.height())};
    QStringList faults = job.seeThrough ? CheckShapedPicture(image) : CheckPlainPicture(image);
    if (!job.clearCore.isNull())
        faults << CheckClearCore(image, job.clearCore);
    return faults;
}

int Run(const QDir& root, bool checkOnly, const QString& previewFolder)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    int faultCount = 0;
    for (const PictureJob& job : PictureCatalogue()) {
        const QString file = root.filePath(job.path);
        const QImage image = checkOnly ? QImage(file) : job.draw(job.size);
        const QStringList faults = CheckPicture(job, image);
        for (const QString& fault : faults)
            err << job.path << ": " << fault << Qt::endl;
        faultCount += faults.size();
        if (checkOnly || !faults.isEmpty())
            continue;
        QDir().mkpath(QFileInfo(file).path());
        if (!image.convertToFormat(QImage::Format_ARGB32).save(file, "PNG")) {
            err << job.path << ": cannot be written" << Qt::endl;
            ++faultCount;
            continue;
        }
        out << "wrote " << job.path << Qt::endl;
    }
    if (!previewFolder.isEmpty()) {
        const QStringList written = WritePreviews(root.filePath(QStringLiteral("resources/skin")), previewFolder);
        for (const QString& file : written)
            out << "preview " << file << Qt::endl;
    }
    return faultCount == 0 ? 0 : 1;
}

}  // namespace
}  // namespace orvex::skin

int main(int argc, char* argv[])
{
    // Fonts need a GUI platform; no display is needed for drawing pictures.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the ORVEX71 skin pictures."));
    parser.addHelpOption();
    const QCommandLineOption rootOption(QStringLiteral("root"), QStringLiteral("Repository root."),
                                        QStringLiteral("dir"), QStringLiteral("."));
    const QCommandLineOption checkOption(QStringLiteral("check-only"),
                                         QStringLiteral("Check the pictures on disk; draw nothing."));
    const QCommandLineOption previewOption(QStringLiteral("preview"),
                                           QStringLiteral("Compose preview pages into this folder."),
                                           QStringLiteral("dir"));
    parser.addOptions({rootOption, checkOption, previewOption});
    parser.process(app);

    return orvex::skin::Run(QDir(parser.value(rootOption)), parser.isSet(checkOption),
                            parser.value(previewOption));
}
