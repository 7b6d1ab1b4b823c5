#pragma once

#include <QString>

#include <array>
#include <optional>

#include "config/ImageLayout.h"
#include "config/SectionFields.h"

namespace orvex {

enum class KeyMode { A, B };

// The CodeText of every button of both key profiles (ModeACodes,
// ModeBCodes). Kept equal to the ProfileSection bytes: entry k − 1 is the
// text of button k.
struct ProfileCodes {
    std::array<QString, profile::kButtonsPerMode> modeA;
    std::array<QString, profile::kButtonsPerMode> modeB;

    bool operator==(const ProfileCodes&) const = default;
};

// The code texts rebuilt from the section bytes.
ProfileCodes CodesFromProfile(const ProfileSection& section);

// Assigns code to button (1..9) of mode: both the text and the three section
// bytes. The text is kept in its canonical upper-case form. A button outside
// 1..9 or a text that is not six hexadecimal digits changes nothing and
// returns false.
bool StoreButtonCode(ProfileSection& section, ProfileCodes& codes, KeyMode mode, int button,
                     const QString& code);

// Gives every AIM key of both modes (a code of type 0x0A) the section bytes
// 0x0A, aimCpiIndex, 0x00. Only the section is written; a caller that keeps
// the code texts rebuilds them with CodesFromProfile. An index outside the
// CPI value list (0..10) leaves the codes as they are.
void AIMKeyToDataBuf(ProfileSection& section, const ProfileCodes& codes, int aimCpiIndex);

// The AIM value the profiles carry: the p1 byte of the last AIM key (type
// 0x0A) of Mode A buttons 1..9, then Mode B buttons 1..9; nullopt when no
// button is an AIM key.
std::optional<int> FindAimCpiIndex(const ProfileSection& section);

}  // namespace orvex
