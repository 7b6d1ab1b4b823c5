#pragma once

#include <QString>
#include <QWidget>

#include <array>

#include "config/SectionFields.h"
#include "config/SettingsModel.h"
#include "ui/TermTable.h"

namespace orvex {

class PasswordDialog;
struct EditClampRule;

// The plain engineer page gbPage6 (1076 × 640): the logo strip Img_Logo4,
// the page and action buttons, and the notebook Pg_Parameter with the
// operator tab (every device setting) and the engineer tab (identity bytes),
// which a double-click gesture on the logo and an access code unlock.
//
// The controls are the working state of the device settings: ShowSettings
// puts a SettingsModel into them, ReadSettings reads it back. Every control
// carries its documented object name.
class EngineerPage : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 1076;
    static constexpr int kHeight = 640;
    static constexpr int kButtonsPerRow = profile::kButtonsPerMode;

    explicit EngineerPage(QWidget* parent = nullptr);

    // Captions of the engineer caption table in language, combo items in id
    // order, the "MS Sans Serif" font family on the text-bearing controls and
    // the hint texts as tooltips. Combo boxes whose items are replaced lose
    // their selection, so this runs before the first ShowSettings.
    void ApplyEngineerCaptions(TermLanguage language);
    // The seven controller LED mode names of the last caption pass.
    const std::array<QString, kMcuLedModeCount>& McuLedModeNames() const { return m_modeNames; }

    // Puts every field into its control: a combo index kNoSelection (or one
    // outside the items) selects nothing, a radio pair nullopt checks neither
    // button, and cb_CurrentCPI gets the items "1" .. level count first.
    // Numeric values are shown clamped to their edit's range. No change
    // signal is emitted.
    void ShowSettings(const SettingsModel& settings);
    // What the controls hold; ReadSettings after ShowSettings(m) gives m for
    // every m the controls can hold.
    SettingsModel ReadSettings() const;

    // The function names shown on btn_Key101 .. btn_Key109 (Mode A) and
    // btn_Key201 .. btn_Key209 (Mode B).
    void ShowKeyNames(const std::array<QString, kButtonsPerRow>& modeA,
                      const std::array<QString, kButtonsPerRow>& modeB);
    // The identity bytes the mouse reported, in the read-only edt_VendorID_Rd
    // and edt_ProductID_Rd; a negative byte (nothing read) empties its field.
    void ShowIdentityBytes(int vendor, int product);

    // The AIM value index of cb_AIMKeyValue (0..10, kNoSelection for none).
    void ShowAimCpiIndex(int index);
    int AimCpiIndex() const;

    // Rebuilds the controller LED mode list cb_MCULEDCurrentMode from the
    // ticks of cb_Mode1 .. cb_Mode7 ("------" for a mode not allowed) and
    // selects its first item.
    void TLRefreshMCULEDMode();

    // Shows or hides the mark Img_Result (a defaults write succeeded).
    void ShowResultMark(bool visible);

    // The unlock gesture, run by a double click on Img_Logo4: locks when
    // unlocked; otherwise counts, and every fifth count asks for the access
    // code with the dialog dlgPass.
    void Img_Logo4DblClick();
    bool EngineerUnlocked() const { return m_unlocked; }
    int UnlockClickCount() const { return m_unlockClickCount; }

Q_SIGNALS:
    // The page buttons.
    void mainPageClicked();      // Btn_Main_6, Mode A
    void switchPageClicked();    // Btn_Switch_6, Mode B
    void advancedPageClicked();  // Btn_Adv_6
    void lightPageClicked();     // Btn_Breath_6
    void macroPageClicked();     // Btn_Macro_6
    void engineerPageClicked();  // Btn_Engineer_6
    // The action buttons.
    void loadProfileClicked();      // Btn_Load_6
    void saveProfileClicked();      // Btn_Save_6
    void testKeysClicked();         // btn_TestKeys
    void defaultClicked();          // Btn_Default
    void writeClicked();            // btn_Write
    void importBaseMacroClicked();  // Btn_ImportBaseMacro
    void closeClicked();            // Btn_Close
    // A press on the logo strip or the notebook: the window is dragged.
    void dragPressed();
    // btn_Key101 .. btn_Key209: number is 101 .. 109 or 201 .. 209.
    void keyButtonClicked(int number);
    // The value of a setting control changed other than by ShowSettings
    // (typing, a click, or program code mirroring another page), after its
    // clamp. objectName names the control.
    void controlEdited(const QString& objectName);
    void engineerLockChanged(bool unlocked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectButtons();
    void ConnectSettingControls();
    void ConnectEdit(const QString& name, const EditClampRule& rule);
    void OnCpiLevelCountChosen();
    void FillCurrentCpiItems(int levelCount);
    void AnswerPassword(int result);
    void ApplyEngineerLock();
    void WatchHover();
    void ShowHintOf(const QWidget* widget);
    void EmitEdited(const QString& objectName);

    std::array<QString, kMcuLedModeCount> m_modeNames;
    PasswordDialog* m_passwordDialog = nullptr;
    bool m_unlocked = false;
    int m_unlockClickCount = 0;
    // Above 0 while program code fills the controls: no clamps, no signals.
    int m_quiet = 0;
};

}  // namespace orvex
