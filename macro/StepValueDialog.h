#pragma once

#include "macro/StepEditFilters.h"
#include "ui/DialogFrame.h"

class QLineEdit;

namespace orvex {

// TForm7: the distance of an X or Y move step (-128 .. 127) or the count of
// a repeat start (1 .. 255), typed as digits with an optional "-".
class StepValueDialog : public DialogFrame {
    Q_OBJECT

public:
    // kind: MoveX, MoveY or RepeatStart.
    StepValueDialog(StepEditKind kind, int languageNumber, QWidget* mainWindow);
    StepValueDialog(StepEditKind kind, const DialogResources& resources, QWidget* mainWindow);

Q_SIGNALS:
    // Confirm: the value text; empty when the edit is empty or holds a lone
    // "-", which leaves the step unchanged.
    void confirmed(const QString& valueText);

protected:
    void ConfirmAction() override;
    void SecondAction() override;

private:
    StepEditKind m_kind;
    QLineEdit* m_edit = nullptr;
};

}  // namespace orvex
