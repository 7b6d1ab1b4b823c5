#pragma once

#include "macro/StepEditFilters.h"
#include "ui/DialogFrame.h"

namespace orvex {

class KeyCaptureEdit;

// TForm5: the key of a key press or release step. The edit shows the name of
// the last key pressed while it has the focus.
class StepKeyDialog : public DialogFrame {
    Q_OBJECT

public:
    // kind: KeyPress or KeyRelease, the step being edited.
    StepKeyDialog(StepEditKind kind, int languageNumber, QWidget* mainWindow);
    StepKeyDialog(StepEditKind kind, const DialogResources& resources, QWidget* mainWindow);

Q_SIGNALS:
    // Confirm: the key's name and the step text ("A CODE:8204"); both empty
    // when no key was pressed since the dialog opened or was cleared.
    void confirmed(const QString& keyName, const QString& stepText);

protected:
    void ConfirmAction() override;
    void SecondAction() override;

private:
    void TakeKey(int virtualKey);

    StepEditKind m_kind;
    KeyCaptureEdit* m_edit = nullptr;
    int m_virtualKey = 0;  // 0: no key yet
};

}  // namespace orvex
