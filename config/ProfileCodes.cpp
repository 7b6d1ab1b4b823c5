#include "config/ProfileCodes.h"

#include "keys/KeyFunctionCode.h"
#include "perf/CpiValues.h"

namespace orvex {
namespace {

// An AIM key carries its CPI index in p1.
constexpr Byte kAimKeyType = 0x0A;

int CodeOffset(KeyMode mode, int buttonIndex)
{
    const int base = mode == KeyMode::A ? profile::kModeAOffset : profile::kModeBOffset;
    return base + 3 * buttonIndex;
}

KeyFunctionCode CodeAt(const ProfileSection& section, int offset)
{
    return {section[offset], section[offset + 1], section[offset + 2]};
}

void WriteCode(ProfileSection& section, int offset, const KeyFunctionCode& code)
{
    for (int i = 0; i < 3; ++i)
        section[offset + i] = code[i];
}

void WriteAimCodes(ProfileSection& section, KeyMode mode,
                   const std::array<QString, profile::kButtonsPerMode>& texts, Byte aimCpiIndex)
{
    for (int button = 0; button < profile::kButtonsPerMode; ++button) {
        const auto code = CodeBytes(texts[button]);
        if (code && (*code)[0] == kAimKeyType)
            WriteCode(section, CodeOffset(mode, button), {kAimKeyType, aimCpiIndex, 0x00});
    }
}

}  // namespace

ProfileCodes CodesFromProfile(const ProfileSection& section)
{
    ProfileCodes codes;
    for (int button = 0; button < profile::kButtonsPerMode; ++button) {
        codes.modeA[button] = CodeText(CodeAt(section, CodeOffset(KeyMode::A, button)));
        codes.modeB[button] = CodeText(CodeAt(section, CodeOffset(KeyMode::B, button)));
    }
    return codes;
}

bool StoreButtonCode(ProfileSection& section, ProfileCodes& codes, KeyMode mode, int button,
                     const QString& code)
{
    if (button < 1 || button > profile::kButtonsPerMode)
        return false;
    const auto bytes = CodeBytes(code);
    if (!bytes)
        return false;
    WriteCode(section, CodeOffset(mode, button - 1), *bytes);
    auto& texts = mode == KeyMode::A ? codes.modeA : codes.modeB;
    texts[button - 1] = CodeText(*bytes);
    return true;
}

void AIMKeyToDataBuf(ProfileSection& section, const ProfileCodes& codes, int aimCpiIndex)
{
    if (!CpiValue(aimCpiIndex))
        return;
    const auto index = static_cast<Byte>(aimCpiIndex);
    WriteAimCodes(section, KeyMode::A, codes.modeA, index);
    WriteAimCodes(section, KeyMode::B, codes.modeB, index);
}

std::optional<int> FindAimCpiIndex(const ProfileSection& section)
{
    std::optional<int> index;
    for (int button = 0; button < 18; ++button) {
        if (section[3 * button] == 0x0A)
            index = section[3 * button + 1];
    }
    return index;
}

}  // namespace orvex
