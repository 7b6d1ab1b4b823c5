#include "macro/StepValueDialog.h"

#include "ui/NumericEdit.h"

namespace orvex {
namespace {

// Typing takes digits and the minus sign; the filter after each change puts
// the sign where it belongs.
class SignedDigitsEdit : public THexEdit {
public:
    using THexEdit::THexEdit;

protected:
    bool Accepts(QChar c) const override
    {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-');
    }
};

}  // namespace

StepValueDialog::StepValueDialog(StepEditKind kind, int languageNumber, QWidget* mainWindow)
    : StepValueDialog(kind, LoadDialogResources(languageNumber), mainWindow)
{
}

StepValueDialog::StepValueDialog(StepEditKind kind, const DialogResources& resources, QWidget* mainWindow)
    : DialogFrame(DialogKind::StepValue, mainWindow)
    , m_kind(kind)
{
    m_edit = new SignedDigitsEdit(QStringLiteral("Edt_EditTime"), this);
    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString filtered = FilterStepValueText(text, m_kind);
        if (filtered != text)
            m_edit->setText(filtered);
    });
    SetFocusInput(m_edit);
    BuildFrame(resources);
}

void StepValueDialog::ConfirmAction()
{
    Q_EMIT confirmed(ConfirmedStepValueText(m_edit->text()));
    close();
}

void StepValueDialog::SecondAction()
{
    m_edit->clear();
    m_edit->setFocus(Qt::OtherFocusReason);
}

}  // namespace orvex
