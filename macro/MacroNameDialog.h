#pragma once

#include "ui/DialogFrame.h"

class QLineEdit;

namespace orvex {

// TForm3: asks for the name of a new or renamed library macro. The name may
// hold up to 16 UTF-16 code units, the size of a macro's name field.
class MacroNameDialog : public DialogFrame {
    Q_OBJECT

public:
    static constexpr int kMaxNameLength = 16;

    // Built from the layout and texts of language 1 .. 3; throws LayoutError
    // or ResourceError when a layout key or picture is bad.
    MacroNameDialog(int languageNumber, QWidget* mainWindow);
    MacroNameDialog(const DialogResources& resources, QWidget* mainWindow);

Q_SIGNALS:
    // Confirm: the name as entered (possibly empty); the dialog then closes.
    void confirmed(const QString& name);

protected:
    void ConfirmAction() override;
    void SecondAction() override;

private:
    QLineEdit* m_edit = nullptr;
};

}  // namespace orvex
