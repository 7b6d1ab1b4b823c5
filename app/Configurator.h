#pragma once

#include <QObject>
#include <QString>

#include "config/ConfigImage.h"
#include "config/ProfileCodes.h"
#include "config/SettingsModel.h"
#include "keys/KeyFunctionName.h"
#include "macro/DeviceMacroSlots.h"
#include "macro/MacroLibrary.h"
#include "ui/CurrentPage.h"
#include "ui/LanguageTable.h"
#include "ui/SkinLayout.h"
#include "ui/TermTable.h"

namespace orvex {

// The state of a running configurator: the image and its working sections,
// the device macro slots, the key-code lists, the engineer-page settings, the
// AIM value, the macro library, and the appearance (language, skin values,
// current page). Pages and dialogs get it by reference, read it, and change
// it through its operations; it tells them with signals.
class Configurator : public QObject {
    Q_OBJECT

public:
    explicit Configurator(QObject* parent = nullptr);

    // --- image
    const ConfigImage& Image() const { return m_image; }
    const DeviceMacroSlots& MacroSlots() const { return m_macroSlots; }
    const ProfileCodes& Codes() const { return m_codes; }
    const SettingsModel& Settings() const { return m_settings; }
    int AimCpiIndex() const { return m_aimCpiIndex; }
    // The names of the device macro slots ("" for an empty slot).
    DeviceMacroNames DeviceSlotNames() const;

    // A whole image is taken over (read from the mouse, a profile file or a
    // factory image): split with the checks, macro slots split and checked,
    // key codes rebuilt, the settings unpacked, the AIM value found.
    void TakeOverImage(const ImageBuffer& image);
    // The image to write: the settings packed, the AIM value written into
    // every AIM key, checksums sealed, sections and macro area copied in.
    ImageBuffer AssembleImage();
    // New values of the engineer-page settings (from any page).
    void SetSettings(const SettingsModel& settings);
    // A macro area taken over from a file: split into the slots and checked.
    void SetMacroArea(const MacroArea& area);

    // --- the function name of a code in the current language
    QString KeyFunctionName(const QString& code) const;

    // --- appearance
    int LanguageNumber() const { return m_languageNumber; }
    const LanguageTable& Language() const { return m_language; }
    const LanguageTables& AllLanguages() const { return m_allLanguages; }
    // The text of a language-table key in the current language.
    QString Text(const QString& key) const { return m_language.text(key); }
    void SetLanguageNumber(int number);

    SkinLayout& Skin() { return m_skin; }
    const SkinLayout& Skin() const { return m_skin; }

    CurrentPage Page() const { return m_page; }
    void SetPage(CurrentPage page) { m_page = page; }
    bool NoDevicePage() const { return m_noDevicePage; }
    void SetNoDevicePage(bool on) { m_noDevicePage = on; }

    TermLanguage EngineerLanguage() const { return m_termLanguage; }
    void SetEngineerLanguage(TermLanguage language) { m_termLanguage = language; }

    // --- macro library
    MacroLibrary& Library() { return m_library; }
    const QString& LibraryPath() const { return m_libraryPath; }
    // Loads the library file (creating it from the built-in one on first
    // use); the outcome tells of a file error.
    LibraryOutcome LoadLibrary();

Q_SIGNALS:
    void imageShown();
    void settingsChanged();
    void languageChanged();

private:
    ConfigImage m_image;
    DeviceMacroSlots m_macroSlots{};
    ProfileCodes m_codes;
    SettingsModel m_settings;
    int m_aimCpiIndex = 0;

    int m_languageNumber = 1;
    LanguageTable m_language;
    LanguageTables m_allLanguages;
    SkinLayout m_skin;
    CurrentPage m_page = CurrentPage::ModeA;
    bool m_noDevicePage = false;
    TermLanguage m_termLanguage = TermLanguage::English;

    MacroLibrary m_library;
    QString m_libraryPath;
};

}  // namespace orvex
