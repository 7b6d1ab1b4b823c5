#pragma once

#include "ui/DialogFrame.h"

namespace orvex {

// TForm4: one of the seven named colours for a CPI level of a Nor LED. A
// click on a colour marks it; the second button unmarks all.
class ColourChoiceDialog : public DialogFrame {
    Q_OBJECT

public:
    ColourChoiceDialog(int languageNumber, QWidget* mainWindow);
    ColourChoiceDialog(const DialogResources& resources, QWidget* mainWindow);

    // The index of the marked colour, 0 .. 6, or kNoNamedColour (255).
    int ChosenColour() const { return m_chosen; }

Q_SIGNALS:
    // Confirm: the chosen colour index, kNoNamedColour when none is marked.
    void confirmed(int colourIndex);

protected:
    void ConfirmAction() override;
    void SecondAction() override;

private:
    void Choose(int colourIndex);

    int m_chosen;
};

}  // namespace orvex
