#include "macro/MacroLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

#include "macro/MacroName.h"

namespace orvex {
namespace {

LibraryOutcome Refused(LibraryStatus status, const QString& text)
{
    return {status, text, -1};
}

LibraryOutcome FileFailure(const QString& action, const QString& path, const QString& systemText)
{
    return Refused(LibraryStatus::FileError,
                   QStringLiteral("Cannot %1 %2: %3").arg(action, QDir::toNativeSeparators(path), systemText));
}

LibraryOutcome Done(int row = -1)
{
    return {LibraryStatus::Ok, {}, row};
}

// Reads at most maxBytes from the start of a file.
LibraryOutcome ReadFileStart(const QString& path, qint64 maxBytes, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileFailure(QStringLiteral("open"), path, file.errorString());
    bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return FileFailure(QStringLiteral("read"), path, file.errorString());
    return Done();
}

// Writes through a temporary file that replaces the target only once it is
// complete, so a full disk or a crash never leaves a truncated file behind.
LibraryOutcome WriteAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileFailure(QStringLiteral("create"), path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString text = file.errorString();
        file.cancelWriting();
        return FileFailure(QStringLiteral("write"), path, text);
    }
    if (!file.commit())
        return FileFailure(QStringLiteral("write"), path, file.errorString());
    return Done();
}

LibraryOutcome TooShort(const QString& path, qint64 size, int needed)
{
    return Refused(LibraryStatus::FileTooShort,
                   QStringLiteral("%1 holds %2 bytes; at least %3 are needed.")
                       .arg(QDir::toNativeSeparators(path), QString::number(size), QString::number(needed)));
}

QByteArray SlotBytes(const MacroNameField& name, const MacroRecord& record)
{
    QByteArray bytes;
    bytes.reserve(kMacroSlotSize);
    bytes.append(reinterpret_cast<const char*>(name.data()), name.size());
    bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
    return bytes;
}

// Copies bytes from offset into target; missing bytes leave zeros.
template <std::size_t N>
void CopyAvailable(const QByteArray& bytes, qsizetype offset, std::array<Byte, N>& target)
{
    target.fill(0);
    const qsizetype available = std::clamp<qsizetype>(bytes.size() - offset, 0, N);
    std::copy_n(reinterpret_cast<const Byte*>(bytes.constData()) + offset, available, target.begin());
}

}  // namespace

LibraryOutcome MacroLibrary::Load(const QString& path)
{
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        const LibraryOutcome read = ReadFileStart(path, kLibraryFileSize, bytes);
        if (!read.Succeeded())
            return read;
        Adopt(bytes);
        m_changed = false;
        return Done();
    }

    const LibraryOutcome read = ReadFileStart(QString::fromLatin1(kInitialLibraryResource), kLibraryFileSize, bytes);
    if (!read.Succeeded())
        return read;
    Adopt(bytes);
    m_changed = true;
    return Save(path);
}

LibraryOutcome MacroLibrary::Save(const QString& path)
{
    const LibraryOutcome written = WriteAtomically(path, ToFileBytes());
    if (written.Succeeded())
        m_changed = false;
    return written;
}

LibraryOutcome MacroLibrary::New(const QString& name)
{
    if (IsFull())
        return Refused(LibraryStatus::LibraryFull, QStringLiteral("The library holds 100 macros."));
    const MacroNameField field = EncodeMacroName(name);
    const QString stored = DecodeMacroName(field);
    if (stored.isEmpty())
        return Refused(LibraryStatus::EmptyName, QStringLiteral("The name is empty."));
    if (NameExists(stored))
        return Refused(LibraryStatus::DuplicateName, QStringLiteral("This macro already exists"));
    const int row = m_count++;
    m_names[row] = field;
    m_records[row].fill(0);
    m_changed = true;
    return Done(row);
}

LibraryOutcome MacroLibrary::Rename(int row, const QString& name)
{
    if (!RowInUse(row))
        return Refused(LibraryStatus::NoSuchRow, QStringLiteral("No macro is selected."));
    const MacroNameField field = EncodeMacroName(name);
    const QString stored = DecodeMacroName(field);
    if (stored.isEmpty())
        return Refused(LibraryStatus::EmptyName, QStringLiteral("The name is empty."));
    if (NameExists(stored))
        return Refused(LibraryStatus::DuplicateName, QStringLiteral("This macro already exists"));
    m_names[row] = field;
    m_changed = true;
    return Done(row);
}

LibraryOutcome MacroLibrary::Delete(int row)
{
    if (!RowInUse(row))
        return Refused(LibraryStatus::NoSuchRow, QStringLiteral("No macro is selected."));
    std::move(m_names.begin() + row + 1, m_names.end(), m_names.begin() + row);
    std::move(m_records.begin() + row + 1, m_records.end(), m_records.begin() + row);
    m_names.back().fill(0);
    m_records.back().fill(0);
    --m_count;
    m_changed = true;
    return Done(m_count > 0 ? std::max(row - 1, 0) : -1);
}

LibraryOutcome MacroLibrary::ImportOne(const QString& file)
{
    // One record is kept free, as the library always has.
    if (m_count >= kLibraryCapacity - 1)
        return Refused(LibraryStatus::LibraryFull, QStringLiteral("The library has no room for another macro."));
    QByteArray bytes;
    const LibraryOutcome read = ReadFileStart(file, kMacroSlotSize, bytes);
    if (!read.Succeeded())
        return read;
    if (bytes.size() < kMacroSlotSize)
        return TooShort(file, QFileInfo(file).size(), kMacroSlotSize);

    MacroNameField name{};
    MacroRecord record{};
    CopyAvailable(bytes, 0, name);
    CopyAvailable(bytes, kMacroNameSize, record);
    if (IsEmptyLibraryName(name))
        return Refused(LibraryStatus::EmptyName, QStringLiteral("The macro in the file has no name."));
    // Equal decoded names cover equal name fields and also fields that
    // differ only behind the name's end.
    if (NameExists(DecodeMacroName(name)))
        return Refused(LibraryStatus::DuplicateName, QStringLiteral("This macro already exists"));
    const int row = m_count++;
    m_names[row] = name;
    m_records[row] = record;
    m_changed = true;
    return Done(row);
}

LibraryOutcome MacroLibrary::ImportAll(const QString& file)
{
    QByteArray bytes;
    const LibraryOutcome read = ReadFileStart(file, kLibraryFileSize, bytes);
    if (!read.Succeeded())
        return read;
    // A short file would mix its records with the ones behind its end.
    if (bytes.size() < kLibraryFileSize)
        return TooShort(file, QFileInfo(file).size(), kLibraryFileSize);
    Adopt(bytes);
    m_changed = true;
    return Done(m_count > 0 ? m_count - 1 : -1);
}

LibraryOutcome MacroLibrary::ExportOne(int row, const QString& file) const
{
    if (!RowInUse(row))
        return Refused(LibraryStatus::NoSuchRow, QStringLiteral("No macro is selected."));
    const LibraryOutcome written = WriteAtomically(WithBinSuffix(file), SlotBytes(m_names[row], m_records[row]));
    return written.Succeeded() ? Done(row) : written;
}

LibraryOutcome MacroLibrary::ExportAll(const QString& file) const
{
    return WriteAtomically(WithBinSuffix(file), ToFileBytes());
}

LibraryOutcome MacroLibrary::SetRecord(int row, const MacroRecord& record)
{
    if (!RowInUse(row))
        return Refused(LibraryStatus::NoSuchRow, QStringLiteral("No macro is selected."));
    if (m_records[row] != record) {
        m_records[row] = record;
        m_changed = true;
    }
    return Done(row);
}

QString MacroLibrary::Name(int row) const
{
    return RowInUse(row) ? DecodeMacroName(m_names[row]) : QString();
}

QStringList MacroLibrary::Names() const
{
    QStringList names;
    for (int row = 0; row < m_count; ++row)
        names.append(DecodeMacroName(m_names[row]));
    return names;
}

MacroNameField MacroLibrary::NameField(int row) const
{
    return row >= 0 && row < kLibraryCapacity ? m_names[row] : MacroNameField{};
}

MacroRecord MacroLibrary::Record(int row) const
{
    return row >= 0 && row < kLibraryCapacity ? m_records[row] : MacroRecord{};
}

QByteArray MacroLibrary::ToFileBytes() const
{
    QByteArray bytes;
    bytes.reserve(kLibraryFileSize);
    for (int row = 0; row < kLibraryCapacity; ++row)
        bytes.append(SlotBytes(m_names[row], m_records[row]));
    return bytes;
}

bool MacroLibrary::NameExists(const QString& name) const
{
    for (int row = 0; row < m_count; ++row) {
        if (DecodeMacroName(m_names[row]) == name)
            return true;
    }
    return false;
}

// Takes the records of a library file. A foreign file may have empty records
// between used ones; the used ones are moved together, in their order, so
// that rows 0..Count() - 1 are always the macros.
void MacroLibrary::Adopt(const QByteArray& bytes)
{
    m_names = {};
    m_records = {};
    m_count = 0;
    for (int i = 0; i < kLibraryCapacity; ++i) {
        MacroNameField name{};
        CopyAvailable(bytes, qsizetype(i) * kMacroSlotSize, name);
        if (IsEmptyLibraryName(name))
            continue;
        m_names[m_count] = name;
        CopyAvailable(bytes, qsizetype(i) * kMacroSlotSize + kMacroNameSize, m_records[m_count]);
        ++m_count;
    }
}

QString LibraryFilePath(const QString& layoutPath)
{
    const QString fileName = QString::fromLatin1(kLibraryFileName);
    // The layout gives a folder prefix that ends with its separator.
    if (!layoutPath.isEmpty())
        return layoutPath + fileName;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        return fileName;
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + fileName;
}

QString WithBinSuffix(const QString& name)
{
    if (name.endsWith(QLatin1String(".bin"), Qt::CaseInsensitive))
        return name;
    return name + QLatin1String(".bin");
}

}  // namespace orvex
