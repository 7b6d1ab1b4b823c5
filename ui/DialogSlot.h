#pragma once

#include <QPointer>

namespace orvex {

class DialogFrame;

// Keeps one small dialog of a kind open at a time. A new request replaces
// the open dialog: the old one closes without handing anything over, since
// what it was opened for (the button, macro or step chosen) has changed.
class DialogSlot {
public:
    // Closes the dialog held, if any, and holds dialog instead.
    void Replace(DialogFrame* dialog);
    // The dialog held while it is shown; nullptr once it closed.
    DialogFrame* Current() const;
    // Closes the dialog held without handing anything over.
    void Close();

private:
    QPointer<DialogFrame> m_dialog;
};

}  // namespace orvex
