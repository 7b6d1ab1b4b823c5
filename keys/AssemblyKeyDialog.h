#pragma once

#include "keys/AssemblyKeyState.h"
#include "ui/DialogFrame.h"

#include <array>

class QCheckBox;

namespace orvex {

class KeyCaptureEdit;

// TForm2: a keyboard key with any of Ctrl, Shift, Alt and Win for a mouse
// button. The key is pressed while the edit has the focus; the modifiers are
// ticked in the four boxes; the edit shows the combination.
class AssemblyKeyDialog : public DialogFrame {
    Q_OBJECT

public:
    AssemblyKeyDialog(int languageNumber, QWidget* mainWindow);
    AssemblyKeyDialog(const DialogResources& resources, QWidget* mainWindow);

Q_SIGNALS:
    // Confirm: the combination as shown ("Ctrl+Shift+A") and its keyboard
    // code ("020304"); "020000" and an empty text when nothing was entered.
    void confirmed(const QString& displayText, const QString& codeText);

protected:
    void ConfirmAction() override;
    void SecondAction() override;

private:
    void ShowState();

    AssemblyKeyState m_state;
    KeyCaptureEdit* m_edit = nullptr;
    std::array<QCheckBox*, 4> m_boxes{};
};

}  // namespace orvex
