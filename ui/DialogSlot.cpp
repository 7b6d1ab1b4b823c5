#include "ui/DialogSlot.h"

#include "ui/DialogFrame.h"

namespace orvex {

void DialogSlot::Replace(DialogFrame* dialog)
{
    if (m_dialog != dialog)
        Close();
    m_dialog = dialog;
}

DialogFrame* DialogSlot::Current() const
{
    // A closed dialog is hidden until its deferred deletion; it no longer counts.
    return m_dialog && m_dialog->isVisible() ? m_dialog.data() : nullptr;
}

void DialogSlot::Close()
{
    if (m_dialog)
        m_dialog->close();
    m_dialog.clear();
}

}  // namespace orvex
