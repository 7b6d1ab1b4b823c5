#include "config/ProfileFile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

#include "config/ConfigImage.h"

namespace orvex {
namespace {

struct ReadResult {
    bool opened = false;
    QByteArray bytes;
    QString errorText;
};

// Reads at most maxBytes from the start of path. Reads until the file ends,
// so a pipe or a slow file system that hands out short reads is not taken
// for a short file.
ReadResult ReadHead(const QString& path, qint64 maxBytes)
{
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.errorText = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return result;
    }
    while (result.bytes.size() < maxBytes) {
        const QByteArray part = file.read(maxBytes - result.bytes.size());
        if (part.isEmpty())
            break;
        result.bytes += part;
    }
    if (file.error() != QFileDevice::NoError) {
        result.errorText = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return result;
    }
    result.opened = true;
    return result;
}

QString TooShortText(const QString& path, qint64 size, int needed, const char* what)
{
    return QStringLiteral("%1 holds %2 bytes; %3 holds %4")
        .arg(path)
        .arg(size)
        .arg(QLatin1String(what))
        .arg(needed);
}

}  // namespace

QString ProfileFileName(const QString& chosenName)
{
    const QString suffix = QLatin1String(kProfileSuffix);
    if (chosenName.endsWith(suffix, Qt::CaseInsensitive))
        return chosenName;
    return chosenName + suffix;
}

FileSaveResult SaveProfileFile(const QString& path, const ImageBuffer& image)
{
    FileSaveResult result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.errorText = QStringLiteral("cannot create %1: %2").arg(path, file.errorString());
        return result;
    }
    if (file.write(reinterpret_cast<const char*>(image.data()), kImageSize) != kImageSize) {
        result.errorText = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.errorText = QStringLiteral("cannot save %1: %2").arg(path, file.errorString());
        return result;
    }
    result.saved = true;
    return result;
}

ProfileFileLoad LoadProfileFile(const QString& path)
{
    ProfileFileLoad load;
    const ReadResult read = ReadHead(path, kImageSize);
    if (!read.opened) {
        load.errorText = read.errorText;
        return load;
    }
    load.bytesRead = read.bytes.size();
    if (read.bytes.size() < kImageSize) {
        load.status = FileLoadStatus::TooShort;
        load.errorText = TooShortText(path, read.bytes.size(), kImageSize, "a profile");
        return load;
    }
    ImageBuffer image{};
    std::copy_n(reinterpret_cast<const Byte*>(read.bytes.constData()), kImageSize, image.begin());
    if (!IsProfileImage(image)) {
        load.status = FileLoadStatus::WrongType;
        load.errorText = QStringLiteral("%1 is not a profile: byte 0x07F holds 0x%2, not 0x99")
                             .arg(path)
                             .arg(image[layout::kImageTypeMarkerOffset], 2, 16, QLatin1Char('0'));
        return load;
    }
    load.status = FileLoadStatus::Loaded;
    load.image = image;
    return load;
}

MacroAreaFileLoad LoadMacroAreaFile(const QString& path)
{
    MacroAreaFileLoad load;
    const int needed = layout::kMacroArea.length;
    const ReadResult read = ReadHead(path, needed);
    if (!read.opened) {
        load.errorText = read.errorText;
        return load;
    }
    if (read.bytes.size() < needed) {
        load.status = FileLoadStatus::TooShort;
        load.errorText = TooShortText(path, read.bytes.size(), needed, "a macro-area file");
        return load;
    }
    std::copy_n(reinterpret_cast<const Byte*>(read.bytes.constData()), needed, load.area.begin());
    load.status = FileLoadStatus::Loaded;
    return load;
}

}  // namespace orvex
