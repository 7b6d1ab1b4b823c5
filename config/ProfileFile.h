#pragma once

#include <QString>

#include "config/ImageLayout.h"

namespace orvex {

// Profile files are the bare 2048 bytes of an image in EEPROM order, no
// header, no trailer. Macro-area files are the bare 1792 bytes of the macro
// area.
inline constexpr char kProfileSuffix[] = ".bin";

enum class FileLoadStatus {
    Loaded,
    CannotOpen,  // the file could not be opened or read
    TooShort,    // fewer bytes than the content it must hold
    WrongType,   // a profile whose type marker (0x07F) is not 0x99
};

// A profile file read for loading. Only a Loaded one may reach the mouse.
struct ProfileFileLoad {
    FileLoadStatus status = FileLoadStatus::CannotOpen;
    ImageBuffer image{};   // the file's first 2048 bytes when Loaded
    qint64 bytesRead = 0;  // how many bytes of the file were looked at (at most 2048)
    QString errorText;     // one English sentence when not Loaded

    bool Loaded() const { return status == FileLoadStatus::Loaded; }
    /// The window answers a short file or a wrong type with Str102.
    bool RefusedAsWrongType() const
    {
        return status == FileLoadStatus::TooShort || status == FileLoadStatus::WrongType;
    }
};

// A macro-area file read for the import.
struct MacroAreaFileLoad {
    FileLoadStatus status = FileLoadStatus::CannotOpen;
    MacroArea area{};  // the file's first 1792 bytes when Loaded
    QString errorText;

    bool Loaded() const { return status == FileLoadStatus::Loaded; }
};

// What saving a file came to.
struct FileSaveResult {
    bool saved = false;
    QString errorText;  // one English sentence when not saved
};

/// The file a profile is saved to: the chosen name with ".bin" appended,
/// unless it already ends in ".bin" (in any letter case).
QString ProfileFileName(const QString& chosenName);

/// Writes the 2048 bytes of image to path, whole or not at all: an existing
/// file is replaced only once the new one is complete.
FileSaveResult SaveProfileFile(const QString& path, const ImageBuffer& image);

/// Reads a profile for loading. A file shorter than 2048 bytes is refused
/// (TooShort) rather than merged over another image; of a longer one only
/// the first 2048 bytes count. The type marker must be 0x99 (WrongType).
/// The section checksums are not tested here.
ProfileFileLoad LoadProfileFile(const QString& path);

/// Reads a macro-area file for the import: a file shorter than 1792 bytes is
/// refused (TooShort); of a longer one only the first 1792 bytes count.
MacroAreaFileLoad LoadMacroAreaFile(const QString& path);

}  // namespace orvex
