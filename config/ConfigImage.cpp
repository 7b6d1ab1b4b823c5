#include "config/ConfigImage.h"

#include <algorithm>

#include "config/ProfileCodes.h"
#include "config/SectionRules.h"
#include "config/SettingsModel.h"

namespace orvex {
namespace {

template <std::size_t N>
void CopyOut(const ImageBuffer& buffer, SectionPlace place, std::array<Byte, N>& section)
{
    std::copy_n(buffer.begin() + place.offset, N, section.begin());
}

template <std::size_t N>
void CopyIn(const std::array<Byte, N>& section, SectionPlace place, ImageBuffer& buffer)
{
    std::copy_n(section.begin(), N, buffer.begin() + place.offset);
}

void CopyAllIn(const WorkingSections& sections, ImageBuffer& buffer)
{
    CopyIn(sections.parameterA, layout::kParameterA, buffer);
    CopyIn(sections.parameterB, layout::kParameterB, buffer);
    CopyIn(sections.profile, layout::kProfile, buffer);
    CopyIn(sections.reserved1, layout::kReserved1, buffer);
    CopyIn(sections.reserved2, layout::kReserved2, buffer);
    CopyIn(sections.reserved3, layout::kReserved3, buffer);
    CopyIn(sections.fireKey, layout::kFireKey, buffer);
    CopyIn(sections.macroArea, layout::kMacroArea, buffer);
}

}  // namespace

bool SplitReport::AnyRepaired() const
{
    return parameterA || parameterB || profile || fireKey;
}

QStringList SplitReport::RepairedSectionNames() const
{
    QStringList names;
    if (parameterA)
        names << QStringLiteral("ParameterASection");
    if (parameterB)
        names << QStringLiteral("ParameterBSection");
    if (profile)
        names << QStringLiteral("ProfileSection");
    if (fireKey)
        names << QStringLiteral("FireKeySection");
    return names;
}

SplitReport ConfigImage::SplitImage()
{
    SplitReport report;
    CopyOut(buffer, layout::kParameterA, sections.parameterA);
    report.parameterA = CheckParameterASection(sections.parameterA);
    CopyOut(buffer, layout::kParameterB, sections.parameterB);
    report.parameterB = CheckParameterBSection(sections.parameterB);
    CopyOut(buffer, layout::kProfile, sections.profile);
    report.profile = CheckProfileSection(sections.profile);
    CopyOut(buffer, layout::kReserved1, sections.reserved1);
    CopyOut(buffer, layout::kReserved2, sections.reserved2);
    CopyOut(buffer, layout::kReserved3, sections.reserved3);
    CopyOut(buffer, layout::kFireKey, sections.fireKey);
    report.fireKey = CheckFireKeySection(sections.fireKey);
    CopyOut(buffer, layout::kMacroArea, sections.macroArea);
    return report;
}

void ConfigImage::AssembleImage(const SettingsModel& settings, int aimCpiIndex)
{
    UIToDataBuf(settings, sections);
    SealParameterASection(sections.parameterA);
    CopyIn(sections.parameterA, layout::kParameterA, buffer);
    CopyIn(sections.parameterB, layout::kParameterB, buffer);
    // The code texts always equal the section bytes, so they are rebuilt
    // here rather than passed in.
    AIMKeyToDataBuf(sections.profile, CodesFromProfile(sections.profile), aimCpiIndex);
    SealProfileSection(sections.profile);
    CopyIn(sections.profile, layout::kProfile, buffer);
    CopyIn(sections.reserved1, layout::kReserved1, buffer);
    CopyIn(sections.reserved2, layout::kReserved2, buffer);
    CopyIn(sections.reserved3, layout::kReserved3, buffer);
    SealFireKeySection(sections.fireKey);
    CopyIn(sections.fireKey, layout::kFireKey, buffer);
    CopyIn(sections.macroArea, layout::kMacroArea, buffer);
}

void ConfigImage::ResetToDefaults()
{
    ResetParameterASection(sections.parameterA);
    SealParameterASection(sections.parameterA);
    ResetParameterBSection(sections.parameterB);
    ResetProfileSection(sections.profile);
    SealProfileSection(sections.profile);
    ResetReservedSection1(sections.reserved1);
    ResetReservedSection2(sections.reserved2);
    ResetReservedSection3(sections.reserved3);
    ResetFireKeySection(sections.fireKey);
    SealFireKeySection(sections.fireKey);
    sections.macroArea.fill(0x00);
    CopyAllIn(sections, buffer);
}

bool IsProfileImage(const ImageBuffer& buffer)
{
    return buffer[layout::kImageTypeMarkerOffset] == layout::kImageTypeMarker;
}

}  // namespace orvex
