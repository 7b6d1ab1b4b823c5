#include "macro/StepDelayDialog.h"

#include "macro/StepEditFilters.h"
#include "ui/NumericEdit.h"

namespace orvex {

StepDelayDialog::StepDelayDialog(int languageNumber, QWidget* mainWindow)
    : StepDelayDialog(LoadDialogResources(languageNumber), mainWindow)
{
}

StepDelayDialog::StepDelayDialog(const DialogResources& resources, QWidget* mainWindow)
    : DialogFrame(DialogKind::StepDelay, mainWindow)
{
    m_edit = new TIntEdit(QStringLiteral("Edt_EditTime"), this);
    // Only what the user types is held to the range; emptying the edit from
    // the second button leaves it empty.
    connect(m_edit, &TIntEdit::textEdited, this, [this](const QString& text) {
        const QString filtered = FilterDelayText(text);
        if (filtered != text)
            m_edit->setText(filtered);
    });
    SetFocusInput(m_edit);
    BuildFrame(resources);
}

void StepDelayDialog::ConfirmAction()
{
    Q_EMIT confirmed(m_edit->text());
    close();
}

void StepDelayDialog::SecondAction()
{
    m_edit->clear();
    m_edit->setFocus(Qt::OtherFocusReason);
}

}  // namespace orvex
