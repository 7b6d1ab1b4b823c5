// The engineer page's controls as the working state of the device settings:
// SettingsModel in and out, the key and identity displays, and the clamps the
// numeric edits apply after every change.

#include "perf/EngineerPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "perf/CpiValues.h"
#include "perf/EditClamps.h"
#include "perf/EngineerPageLayout.h"
#include "ui/NumericEdit.h"

namespace orvex {
namespace {

constexpr int kMinCpiLevelCount = 2;
constexpr int kMaxCpiLevelCount = 7;
constexpr int kMinFireShots = 2;
constexpr int kMaxFireShots = 127;
const QString kModeNotAllowed = QStringLiteral("------");

// A radio pair and the bit it edits: the first button stands for 1.
struct RadioPairField {
    const char* setButton;
    const char* clearButton;
    std::optional<bool> SettingsModel::*field;
};

constexpr RadioPairField kRadioPairs[] = {
    {"rb_MCPIOn", "rb_MCPIOff", &SettingsModel::ledSwitchByMiddleCpi},
    {"rb_FireFnOn", "rb_FireFnOff", &SettingsModel::fireOnFnLeft},
    {"rb_LCPIOn", "rb_LCPIOff", &SettingsModel::ledModeByLeftCpi},
    {"rb_NoSave", "rb_Save", &SettingsModel::keyModeNotSaved},
    {"rb_NorLED", "rb_MCULED", &SettingsModel::simpleLed},
    {"rb_MCULED3Control", "rb_MCULED6Control", &SettingsModel::threeLineScan},
    {"rb_LEDOff", "rb_LEDOn", &SettingsModel::ledOff},
};

struct CheckField {
    const char* box;
    bool SettingsModel::*field;
};

constexpr CheckField kCheckBoxes[] = {
    {"cb_MidPress", &SettingsModel::switchByMiddleHold},
    {"cb_CPIPress", &SettingsModel::switchByCpiHold},
    {"cb_GunPress", &SettingsModel::switchByGunHold},
};

// Combo boxes shown after the level count and the mode list are in place
// (cb_CPIStep and cb_MCULEDCurrentMode have their own steps).
struct ComboField {
    const char* combo;
    int SettingsModel::*field;
};

constexpr ComboField kPlainCombos[] = {
    {"cb_SensorOri", &SettingsModel::sensorOrientation},
    {"cb_KeyMode", &SettingsModel::keyMode},
    {"cb_FireCount", &SettingsModel::fireCount},
};

struct EditField {
    const char* edit;
    int SettingsModel::*field;
    const EditClampRule* rule;
};

constexpr EditField kPlainEdits[] = {
    {"edt_MCULEDNum", &SettingsModel::mcuLedCount, &kLedCountClamp},
    {"edt_NorLEDStep", &SettingsModel::norLedBreathStep, &kBreathStepClamp},
    {"edt_MCULEDCrtStep", &SettingsModel::mcuLedCurrentStep, &kLedStepClamp},
    {"edt_VendorID", &SettingsModel::vendorId, &kIdentityByteClamp},
    {"edt_ProductID", &SettingsModel::productId, &kIdentityByteClamp},
    {"edt_FireTime", &SettingsModel::fireInterval, &kFireTimeClamp},
};

struct ColourComponent {
    const char* suffix;
    int RgbEdits::*field;
};

constexpr ColourComponent kComponents[] = {
    {"R", &RgbEdits::red},
    {"G", &RgbEdits::green},
    {"B", &RgbEdits::blue},
};

QString KeyModeEditName(int mode, const ColourComponent& component)
{
    return Numbered("edt_KeyMode%1", mode) + QLatin1String(component.suffix);
}

QString CpiRgbEditName(int level, const ColourComponent& component)
{
    return Numbered("edt_CPI%1", level) + QLatin1String(component.suffix);
}

void SelectIndex(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

// A radio button group never lets code uncheck its checked button while the
// buttons exclude each other; neither-checked needs the exclusion off.
void ShowRadioPair(QRadioButton* setButton, QRadioButton* clearButton, std::optional<bool> value)
{
    setButton->setAutoExclusive(false);
    clearButton->setAutoExclusive(false);
    setButton->setChecked(value == true);
    clearButton->setChecked(value == false);
    setButton->setAutoExclusive(true);
    clearButton->setAutoExclusive(true);
}

std::optional<bool> ReadRadioPair(const QRadioButton* setButton, const QRadioButton* clearButton)
{
    if (setButton->isChecked())
        return true;
    if (clearButton->isChecked())
        return false;
    return std::nullopt;
}

// The text an edit shows for value: clamped into the edit's range, and an
// edit whose range starts above 0 shows 0 (nothing chosen yet) as empty.
QString EditText(int value, const EditClampRule& rule)
{
    if (rule.minimum > 0 && value <= 0)
        return QString();
    return QString::number(std::clamp(value, rule.minimum, rule.maximum));
}

void ShowEdit(QWidget* page, const QString& name, int value, const EditClampRule& rule)
{
    EngineerControl<TIntEdit>(page, name)->setText(EditText(value, rule));
}

int ReadEdit(const QWidget* page, const QString& name)
{
    return EngineerControl<TIntEdit>(page, name)->Value();
}

}  // namespace

// --- model in

void EngineerPage::ShowSettings(const SettingsModel& settings)
{
    ++m_quiet;
    for (const RadioPairField& pair : kRadioPairs)
        ShowRadioPair(EngineerControl<QRadioButton>(this, QString::fromLatin1(pair.setButton)),
                      EngineerControl<QRadioButton>(this, QString::fromLatin1(pair.clearButton)),
                      settings.*pair.field);
    // The other breathing choice stands for "not by CPI".
    ShowRadioPair(EngineerControl<QRadioButton>(this, QStringLiteral("rb_NorLEDCPI")),
                  EngineerControl<QRadioButton>(this, QStringLiteral("rb_NorLEDCustom")),
                  settings.norLedCpiBreathing);
    for (const CheckField& check : kCheckBoxes)
        EngineerControl<QCheckBox>(this, QString::fromLatin1(check.box))->setChecked(settings.*check.field);

    // The level count decides the items of the current level.
    auto* levelCount = EngineerControl<QComboBox>(this, QStringLiteral("cb_CPIStep"));
    SelectIndex(levelCount, settings.cpiLevelCount);
    FillCurrentCpiItems(levelCount->currentIndex() < 0 ? kMaxCpiLevelCount
                                                       : levelCount->currentIndex() + kMinCpiLevelCount);
    SelectIndex(EngineerControl<QComboBox>(this, QStringLiteral("cb_CurrentCPI")), settings.currentCpiLevel);

    // The mode ticks decide the texts of the mode list.
    for (int mode = 1; mode <= kMcuLedModeCount; ++mode)
        EngineerControl<QCheckBox>(this, Numbered("cb_Mode%1", mode))->setChecked(settings.mcuLedModes[mode - 1]);
    TLRefreshMCULEDMode();
    SelectIndex(EngineerControl<QComboBox>(this, QStringLiteral("cb_MCULEDCurrentMode")), settings.mcuLedCurrentMode);

    for (const ComboField& combo : kPlainCombos)
        SelectIndex(EngineerControl<QComboBox>(this, QString::fromLatin1(combo.combo)), settings.*combo.field);
    for (int level = 1; level <= kCpiLevelSlots; ++level) {
        SelectIndex(EngineerControl<QComboBox>(this, Numbered("cb_CPI%1", level)), settings.cpiValue[level - 1]);
        SelectIndex(EngineerControl<QComboBox>(this, Numbered("cb_CPI%1Color", level)),
                    settings.cpiColour[level - 1]);
    }

    for (const EditField& edit : kPlainEdits)
        ShowEdit(this, QString::fromLatin1(edit.edit), settings.*edit.field, *edit.rule);
    for (const ColourComponent& component : kComponents) {
        ShowEdit(this, KeyModeEditName(1, component), settings.keyModeAColour.*component.field,
                 kColourComponentClamp);
        ShowEdit(this, KeyModeEditName(2, component), settings.keyModeBColour.*component.field,
                 kColourComponentClamp);
        for (int level = 1; level <= kCpiLevelSlots; ++level)
            ShowEdit(this, CpiRgbEditName(level, component), settings.cpiRgb[level - 1].*component.field,
                     kColourComponentClamp);
    }
    --m_quiet;
}

// --- model out

SettingsModel EngineerPage::ReadSettings() const
{
    SettingsModel settings;
    for (const RadioPairField& pair : kRadioPairs) {
        settings.*pair.field =
            ReadRadioPair(EngineerControl<QRadioButton>(this, QString::fromLatin1(pair.setButton)),
                          EngineerControl<QRadioButton>(this, QString::fromLatin1(pair.clearButton)));
    }
    settings.norLedCpiBreathing = EngineerControl<QRadioButton>(this, QStringLiteral("rb_NorLEDCPI"))->isChecked();
    for (const CheckField& check : kCheckBoxes)
        settings.*check.field = EngineerControl<QCheckBox>(this, QString::fromLatin1(check.box))->isChecked();
    for (int mode = 1; mode <= kMcuLedModeCount; ++mode)
        settings.mcuLedModes[mode - 1] = EngineerControl<QCheckBox>(this, Numbered("cb_Mode%1", mode))->isChecked();

    settings.cpiLevelCount = EngineerControl<QComboBox>(this, QStringLiteral("cb_CPIStep"))->currentIndex();
    settings.currentCpiLevel = EngineerControl<QComboBox>(this, QStringLiteral("cb_CurrentCPI"))->currentIndex();
    settings.mcuLedCurrentMode =
        EngineerControl<QComboBox>(this, QStringLiteral("cb_MCULEDCurrentMode"))->currentIndex();
    for (const ComboField& combo : kPlainCombos)
        settings.*combo.field = EngineerControl<QComboBox>(this, QString::fromLatin1(combo.combo))->currentIndex();
    for (int level = 1; level <= kCpiLevelSlots; ++level) {
        settings.cpiValue[level - 1] = EngineerControl<QComboBox>(this, Numbered("cb_CPI%1", level))->currentIndex();
        settings.cpiColour[level - 1] =
            EngineerControl<QComboBox>(this, Numbered("cb_CPI%1Color", level))->currentIndex();
    }

    for (const EditField& edit : kPlainEdits)
        settings.*edit.field = ReadEdit(this, QString::fromLatin1(edit.edit));
    for (const ColourComponent& component : kComponents) {
        settings.keyModeAColour.*component.field = ReadEdit(this, KeyModeEditName(1, component));
        settings.keyModeBColour.*component.field = ReadEdit(this, KeyModeEditName(2, component));
        for (int level = 1; level <= kCpiLevelSlots; ++level)
            settings.cpiRgb[level - 1].*component.field = ReadEdit(this, CpiRgbEditName(level, component));
    }
    return settings;
}

// --- displays

void EngineerPage::ShowKeyNames(const std::array<QString, kButtonsPerRow>& modeA,
                                const std::array<QString, kButtonsPerRow>& modeB)
{
    for (int button = 1; button <= kButtonsPerRow; ++button) {
        EngineerControl<QPushButton>(this, Numbered("btn_Key%1", 100 + button))->setText(modeA[button - 1]);
        EngineerControl<QPushButton>(this, Numbered("btn_Key%1", 200 + button))->setText(modeB[button - 1]);
    }
}

void EngineerPage::ShowIdentityBytes(int vendor, int product)
{
    // Shown as given: 0 is a real id byte here, not an empty field.
    const auto text = [](int value) { return value < 0 ? QString() : QString::number(value); };
    EngineerControl<TIntEdit>(this, QStringLiteral("edt_VendorID_Rd"))->setText(text(vendor));
    EngineerControl<TIntEdit>(this, QStringLiteral("edt_ProductID_Rd"))->setText(text(product));
}

void EngineerPage::ShowAimCpiIndex(int index)
{
    ++m_quiet;
    SelectIndex(EngineerControl<QComboBox>(this, QStringLiteral("cb_AIMKeyValue")), index);
    --m_quiet;
}

int EngineerPage::AimCpiIndex() const
{
    return EngineerControl<QComboBox>(this, QStringLiteral("cb_AIMKeyValue"))->currentIndex();
}

void EngineerPage::TLRefreshMCULEDMode()
{
    ++m_quiet;
    auto* modeList = EngineerControl<QComboBox>(this, QStringLiteral("cb_MCULEDCurrentMode"));
    modeList->clear();
    for (int mode = 1; mode <= kMcuLedModeCount; ++mode) {
        const bool allowed = EngineerControl<QCheckBox>(this, Numbered("cb_Mode%1", mode))->isChecked();
        modeList->addItem(allowed ? m_modeNames[mode - 1] : kModeNotAllowed);
    }
    modeList->setCurrentIndex(0);
    --m_quiet;
}

void EngineerPage::FillCurrentCpiItems(int levelCount)
{
    ++m_quiet;
    auto* currentLevel = EngineerControl<QComboBox>(this, QStringLiteral("cb_CurrentCPI"));
    currentLevel->clear();
    for (int level = 1; level <= levelCount; ++level)
        currentLevel->addItem(QString::number(level));
    --m_quiet;
}

// --- change handling

void EngineerPage::ConnectSettingControls()
{
    // Fixed items; the caption pass leaves these alone.
    auto* levelCount = EngineerControl<QComboBox>(this, QStringLiteral("cb_CPIStep"));
    for (int count = kMinCpiLevelCount; count <= kMaxCpiLevelCount; ++count)
        levelCount->addItem(QString::number(count));
    auto* fireCount = EngineerControl<QComboBox>(this, QStringLiteral("cb_FireCount"));
    for (int shots = kMinFireShots; shots <= kMaxFireShots; ++shots)
        fireCount->addItem(QString::number(shots));
    QStringList cpiTexts;
    for (int value : CpiValueList())
        cpiTexts << QString::number(value);
    EngineerControl<QComboBox>(this, QStringLiteral("cb_AIMKeyValue"))->addItems(cpiTexts);
    for (int level = 1; level <= kCpiLevelSlots; ++level)
        EngineerControl<QComboBox>(this, Numbered("cb_CPI%1", level))->addItems(cpiTexts);

    for (QComboBox* combo : findChildren<QComboBox*>()) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] {
            if (m_quiet > 0)
                return;
            if (combo->objectName() == QLatin1String("cb_CPIStep"))
                OnCpiLevelCountChosen();
            EmitEdited(combo->objectName());
        });
    }
    for (QCheckBox* box : findChildren<QCheckBox*>()) {
        connect(box, &QCheckBox::toggled, this, [this, box] {
            if (m_quiet > 0)
                return;
            if (box->objectName().startsWith(QLatin1String("cb_Mode")))
                TLRefreshMCULEDMode();
            EmitEdited(box->objectName());
        });
    }
    for (QRadioButton* radio : findChildren<QRadioButton*>()) {
        connect(radio, &QRadioButton::toggled, this, [this, radio](bool checked) {
            if (checked && m_quiet == 0)
                EmitEdited(radio->objectName());
        });
    }

    for (const EditField& edit : kPlainEdits)
        ConnectEdit(QString::fromLatin1(edit.edit), *edit.rule);
    for (const ColourComponent& component : kComponents) {
        ConnectEdit(KeyModeEditName(1, component), kColourComponentClamp);
        ConnectEdit(KeyModeEditName(2, component), kColourComponentClamp);
        for (int level = 1; level <= kCpiLevelSlots; ++level)
            ConnectEdit(CpiRgbEditName(level, component), kColourComponentClamp);
    }
}

void EngineerPage::ConnectEdit(const QString& name, const EditClampRule& rule)
{
    auto* edit = EngineerControl<TIntEdit>(this, name);
    const auto clamp = [this, edit, name, rule](EditPhase phase) {
        if (m_quiet > 0)
            return;
        if (const std::optional<QString> corrected = ClampedEditText(edit->text(), rule, phase)) {
            // The corrected text comes back through textChanged, which
            // reports the edit.
            edit->setText(*corrected);
            return;
        }
        if (phase == EditPhase::Typing)
            EmitEdited(name);
    };
    connect(edit, &QLineEdit::textChanged, this, [clamp] { clamp(EditPhase::Typing); });
    connect(edit, &QLineEdit::editingFinished, this, [clamp] { clamp(EditPhase::Finished); });
}

void EngineerPage::OnCpiLevelCountChosen()
{
    // A new count makes its highest level the current one, so the current
    // level never names a level that is no longer in use.
    const int chosen = EngineerControl<QComboBox>(this, QStringLiteral("cb_CPIStep"))->currentIndex();
    const int count = chosen < 0 ? kMaxCpiLevelCount : chosen + kMinCpiLevelCount;
    FillCurrentCpiItems(count);
    ++m_quiet;
    EngineerControl<QComboBox>(this, QStringLiteral("cb_CurrentCPI"))->setCurrentIndex(count - 1);
    --m_quiet;
}

void EngineerPage::EmitEdited(const QString& objectName)
{
    Q_EMIT controlEdited(objectName);
}

}  // namespace orvex
