#include "macro/StepKeyDialog.h"

#include "keys/KeyboardHookKey.h"
#include "ui/KeyCaptureEdit.h"

namespace orvex {

StepKeyDialog::StepKeyDialog(StepEditKind kind, int languageNumber, QWidget* mainWindow)
    : StepKeyDialog(kind, LoadDialogResources(languageNumber), mainWindow)
{
}

StepKeyDialog::StepKeyDialog(StepEditKind kind, const DialogResources& resources, QWidget* mainWindow)
    : DialogFrame(DialogKind::StepKey, mainWindow)
    , m_kind(kind)
{
    m_edit = new KeyCaptureEdit(QStringLiteral("Edt_EditKey"), this);
    // Modifiers count as keys here: a step may press Shift on its own.
    connect(m_edit, &KeyCaptureEdit::keyPressed, this, [this](int virtualKey, bool) { TakeKey(virtualKey); });
    SetFocusInput(m_edit);
    BuildFrame(resources);
}

void StepKeyDialog::TakeKey(int virtualKey)
{
    m_virtualKey = virtualKey;
    m_edit->setText(VirtualKeyName(virtualKey));
}

void StepKeyDialog::ConfirmAction()
{
    if (m_virtualKey == 0)
        Q_EMIT confirmed(QString(), QString());
    else
        Q_EMIT confirmed(VirtualKeyName(m_virtualKey), StepKeyText(m_virtualKey, m_kind));
    close();
}

void StepKeyDialog::SecondAction()
{
    m_virtualKey = 0;
    m_edit->clear();
    m_edit->setFocus(Qt::OtherFocusReason);
}

}  // namespace orvex
