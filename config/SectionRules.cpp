#include "config/SectionRules.h"

#include <algorithm>

#include "config/Checksum.h"
#include "config/SectionFields.h"

namespace orvex {
namespace {

// Both LED switching functions on, fire on Fn + left, key mode not
// remembered, orientation "0°", simple LED; 4 levels at 800 .. 3200 CPI.
constexpr ParameterASection kDefaultParameterA{
    0xFF, 0xFE, 0x04, 0x00, 0xFF, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
    0x07, 0x01, 0x04, 0x03, 0x00, 0x02, 0x05, 0x06, 0xFF, 0x00, 0x00, 0x00,
    0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0x00, 0x00,
    0x00, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x79,
};

// Current level 2, LED mode 0 and on, Mode A, generic vendor and product.
constexpr ParameterBSection kDefaultParameterB{0x01, 0xFE, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF};

// Buttons 1..9 of either key mode.
constexpr Byte kDefaultButtonCodes[9][3] = {
    {0x01, 0x01, 0x00}, {0x01, 0x04, 0x00}, {0x01, 0x02, 0x00},
    {0x01, 0x08, 0x00}, {0x01, 0x10, 0x00}, {0x05, 0x00, 0x00},
    {0x0F, 0x00, 0x00}, {0x02, 0x08, 0x07}, {0x09, 0x00, 0x00},
};
// Three shots, 100 × 8 ms apart.
constexpr FireKeySection kDefaultFireKey{0x0A, 0xFD, 0x02, 0xA1, 0xFE, 0x03, 0x21, 0xFE, 0x64, 0xFC, 0x70};

struct ComplementPair {
    int valueIndex;
    Byte repairValue;
};
constexpr ComplementPair kParameterBPairs[] = {
    {0, 0x01},  // current CPI level
    {2, 0x01},  // LED state
    {4, 0x00},  // key mode state
};

template <std::size_t N>
void Seal(std::array<Byte, N>& section)
{
    section[N - 1] = SectionChecksum(section.data(), static_cast<int>(N - 1));
}

template <std::size_t N>
bool IsSealed(const std::array<Byte, N>& section)
{
    return section[N - 1] == SectionChecksum(section.data(), static_cast<int>(N - 1));
}

}  // namespace

bool ResetParameterASection(ParameterASection& section)
{
    section = kDefaultParameterA;
    return true;
}

bool ResetParameterBSection(ParameterBSection& section)
{
    section = kDefaultParameterB;
    return true;
}

bool ResetProfileSection(ProfileSection& section)
{
    section.fill(0xFF);
    for (int button = 0; button < profile::kButtonsPerMode; ++button) {
        const auto* code = kDefaultButtonCodes[button];
        std::copy(code, code + 3, section.begin() + profile::kModeAOffset + 3 * button);
        std::copy(code, code + 3, section.begin() + profile::kModeBOffset + 3 * button);
    }
    Seal(section);
    return true;
}

bool ResetReservedSection1(ReservedSection1& section)
{
    section.fill(0x00);
    return true;
}

bool ResetReservedSection2(ReservedSection2& section)
{
    section.fill(0x00);
    return true;
}

bool ResetReservedSection3(ReservedSection3& section)
{
    section.fill(0x00);
    return true;
}

bool ResetFireKeySection(FireKeySection& section)
{
    section = kDefaultFireKey;
    return true;
}

void SealParameterASection(ParameterASection& section)
{
    Seal(section);
}

void SealProfileSection(ProfileSection& section)
{
    Seal(section);
}

void SealFireKeySection(FireKeySection& section)
{
    Seal(section);
}

bool CheckParameterASection(ParameterASection& section)
{
    if (IsSealed(section))
        return false;
    ResetParameterASection(section);
    SealParameterASection(section);
    return true;
}

bool CheckProfileSection(ProfileSection& section)
{
    if (IsSealed(section))
        return false;
    ResetProfileSection(section);
    SealProfileSection(section);
    return true;
}

bool CheckFireKeySection(FireKeySection& section)
{
    if (IsSealed(section))
        return false;
    ResetFireKeySection(section);
    SealFireKeySection(section);
    return true;
}

bool CheckParameterBSection(ParameterBSection& section)
{
    bool repaired = false;
    for (const auto& pair : kParameterBPairs) {
        Byte& value = section[pair.valueIndex];
        Byte& complement = section[pair.valueIndex + 1];
        if (value + complement != 0xFF) {
            value = pair.repairValue;
            complement = static_cast<Byte>(0xFF - pair.repairValue);
            repaired = true;
        }
    }
    return repaired;
}

}  // namespace orvex
