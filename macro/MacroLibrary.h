#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

#include "macro/MacroTypes.h"

namespace orvex {

inline constexpr int kLibraryCapacity = 100;
inline constexpr int kLibraryFileSize = kLibraryCapacity * kMacroSlotSize;  // 25600
inline constexpr auto kLibraryFileName = "ORVEX71-Macro.bin";
inline constexpr auto kInitialLibraryResource = ":/macros/PCMacroData";

enum class LibraryStatus {
    Ok,
    EmptyName,      // nothing to do: an empty name is ignored
    DuplicateName,  // the name exists already (shown as Str106)
    LibraryFull,    // no room for another macro
    NoSuchRow,      // the row does not hold a macro
    FileTooShort,   // an import file smaller than what it must hold
    FileError,      // a file could not be opened, read or written
};

// What an operation did. errorText describes any status but Ok (for file
// errors the system's text); row is the row to select afterwards, -1 for
// none.
struct LibraryOutcome {
    LibraryStatus status = LibraryStatus::Ok;
    QString errorText;
    int row = -1;

    bool Succeeded() const { return status == LibraryStatus::Ok; }
};

// The PC-side collection of up to 100 named macros, in the library file's
// order. Macros in use are rows 0..Count() - 1; every other record is all
// zero. Operations change memory only; the caller saves when it sees
// IsChanged().
class MacroLibrary {
public:
    // Reads the library file (a short file leaves the remaining records
    // empty, bytes beyond 25600 are ignored). When the file does not exist it
    // is created from the built-in initial library; if that write fails the
    // library is still loaded, the outcome reports the error and IsChanged()
    // stays true.
    LibraryOutcome Load(const QString& path);

    // Writes all 100 records to path atomically: on failure the previous file
    // stays as it was and the error is reported.
    LibraryOutcome Save(const QString& path);

    // Appends an empty macro named name (its first 16 UTF-16 units).
    // Does nothing at 100 macros; refuses an empty or existing name.
    LibraryOutcome New(const QString& name);

    // Renames the macro at row; the macro's own current name counts as
    // existing.
    LibraryOutcome Rename(int row, const QString& name);

    // Removes the macro at row and moves the ones behind it down.
    LibraryOutcome Delete(int row);

    // Appends the first record of file (32 name bytes, 224 record bytes).
    // Refused from 99 macros on, for a file under 256 bytes, an empty name or
    // a name field equal to one in the library.
    LibraryOutcome ImportOne(const QString& file);

    // Replaces the whole library by the first 25600 bytes of file; a shorter
    // file is refused and the library stays as it was.
    LibraryOutcome ImportAll(const QString& file);

    // Writes the macro at row (256 bytes) to WithBinSuffix(file), atomically.
    LibraryOutcome ExportOne(int row, const QString& file) const;

    // Writes the whole library (25600 bytes) to WithBinSuffix(file),
    // atomically.
    LibraryOutcome ExportAll(const QString& file) const;

    // Replaces the record of the macro at row (after an edit or a recording).
    LibraryOutcome SetRecord(int row, const MacroRecord& record);

    int Count() const { return m_count; }
    bool IsFull() const { return m_count >= kLibraryCapacity; }
    // The decoded name of the macro at row; empty outside 0..Count() - 1.
    QString Name(int row) const;
    // The decoded names of rows 0..Count() - 1.
    QStringList Names() const;
    // Name field and record of any of the 100 records (zero outside 0..99).
    MacroNameField NameField(int row) const;
    MacroRecord Record(int row) const;

    // True after a change that has not been saved yet.
    bool IsChanged() const { return m_changed; }

    // The library in the file's format (100 × 256 bytes).
    QByteArray ToFileBytes() const;

private:
    bool RowInUse(int row) const { return row >= 0 && row < m_count; }
    bool NameExists(const QString& name) const;
    void Adopt(const QByteArray& bytes);

    std::array<MacroNameField, kLibraryCapacity> m_names{};
    std::array<MacroRecord, kLibraryCapacity> m_records{};
    int m_count = 0;
    bool m_changed = false;
};

// Where the library file lives: layoutPath (the layout's Path value) used as
// a prefix when it is not empty, else the user's data folder, created when
// needed; then the file name "ORVEX71-Macro.bin".
QString LibraryFilePath(const QString& layoutPath);

// name with ".bin" appended, unless it already ends in ".bin".
QString WithBinSuffix(const QString& name);

}  // namespace orvex
