#include "macro/MacroNameDialog.h"

#include <QLineEdit>

namespace orvex {

MacroNameDialog::MacroNameDialog(int languageNumber, QWidget* mainWindow)
    : MacroNameDialog(LoadDialogResources(languageNumber), mainWindow)
{
}

MacroNameDialog::MacroNameDialog(const DialogResources& resources, QWidget* mainWindow)
    : DialogFrame(DialogKind::MacroName, mainWindow)
{
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edt_MacroName"));
    m_edit->setMaxLength(kMaxNameLength);
    m_edit->clear();
    SetFocusInput(m_edit);
    BuildFrame(resources);
}

void MacroNameDialog::ConfirmAction()
{
    Q_EMIT confirmed(m_edit->text());
    close();
}

void MacroNameDialog::SecondAction()
{
    m_edit->clear();
    m_edit->setFocus(Qt::OtherFocusReason);
}

}  // namespace orvex
