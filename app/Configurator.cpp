#include "app/Configurator.h"

#include "keys/KeyFunctionName.h"

namespace orvex {

Configurator::Configurator(QObject* parent)
    : QObject(parent)
    , m_allLanguages(LoadAllLanguageTables())
{
    m_language = m_allLanguages[0];
}

DeviceMacroNames Configurator::DeviceSlotNames() const
{
    return orvex::SlotNames(m_macroSlots);
}

void Configurator::TakeOverImage(const ImageBuffer& image)
{
    m_image.buffer = image;
    m_image.SplitImage();
    m_macroSlots = SplitMacroArea(m_image.sections.macroArea);
    CheckMacroContentBuf(m_macroSlots);
    m_codes = CodesFromProfile(m_image.sections.profile);
    m_settings = UnpackSettings(m_image.sections, m_settings);
    if (const std::optional<int> aim = FindAimCpiIndex(m_image.sections.profile))
        m_aimCpiIndex = *aim;
    Q_EMIT imageShown();
}

ImageBuffer Configurator::AssembleImage()
{
    m_image.AssembleImage(m_settings, m_aimCpiIndex);
    m_codes = CodesFromProfile(m_image.sections.profile);
    return m_image.buffer;
}

void Configurator::SetSettings(const SettingsModel& settings)
{
    if (settings == m_settings)
        return;
    m_settings = settings;
    Q_EMIT settingsChanged();
}

void Configurator::SetMacroArea(const MacroArea& area)
{
    m_image.sections.macroArea = area;
    m_macroSlots = SplitMacroArea(area);
    CheckMacroContentBuf(m_macroSlots);
}

QString Configurator::KeyFunctionName(const QString& code) const
{
    return orvex::KeyFunctionName(code, m_language, DeviceSlotNames());
}

void Configurator::SetLanguageNumber(int number)
{
    m_languageNumber = qBound(1, number, 3);
    m_language = m_allLanguages[m_languageNumber - 1];
    Q_EMIT languageChanged();
}

LibraryOutcome Configurator::LoadLibrary()
{
    m_libraryPath = LibraryFilePath(m_skin.macroLibraryFolder);
    return m_library.Load(m_libraryPath);
}

}  // namespace orvex
