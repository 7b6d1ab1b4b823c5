#pragma once

#include <QDialog>

class QLineEdit;

namespace orvex {

// The small access-code prompt dlgPass: caption "Password", prompt
// "PASSWORD:", the entry shown as "*", buttons "OK" and "Cancel". It is
// opened window-modal with Ask() and answers through finished(), so no
// nested event loop is needed and a test can fill it in and close it.
class PasswordDialog : public QDialog {
    Q_OBJECT

public:
    explicit PasswordDialog(QWidget* parent);

    // Clears the entry, centres the dialog on its parent window and opens it.
    void Ask();
    QString EnteredText() const;

private:
    QLineEdit* m_entry = nullptr;
};

}  // namespace orvex
