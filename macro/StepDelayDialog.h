#pragma once

#include "ui/DialogFrame.h"

namespace orvex {

class TIntEdit;

// TForm6: the delay of a delay step, 0 .. 2040 ms, typed as digits.
class StepDelayDialog : public DialogFrame {
    Q_OBJECT

public:
    StepDelayDialog(int languageNumber, QWidget* mainWindow);
    StepDelayDialog(const DialogResources& resources, QWidget* mainWindow);

Q_SIGNALS:
    // Confirm: the delay text as the edit holds it; empty when the edit was
    // left empty, which leaves the step unchanged.
    void confirmed(const QString& delayText);

protected:
    void ConfirmAction() override;
    void SecondAction() override;

private:
    TIntEdit* m_edit = nullptr;
};

}  // namespace orvex
