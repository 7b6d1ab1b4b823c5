#include "keys/AssemblyKeyDialog.h"

#include <QCheckBox>

#include "ui/DialogFrameDescription.h"
#include "ui/KeyCaptureEdit.h"

namespace orvex {

AssemblyKeyDialog::AssemblyKeyDialog(int languageNumber, QWidget* mainWindow)
    : AssemblyKeyDialog(LoadDialogResources(languageNumber), mainWindow)
{
}

AssemblyKeyDialog::AssemblyKeyDialog(const DialogResources& resources, QWidget* mainWindow)
    : DialogFrame(DialogKind::AssemblyKey, mainWindow)
{
    m_edit = new KeyCaptureEdit(QStringLiteral("Edt_Assembly"), this);
    connect(m_edit, &KeyCaptureEdit::keyPressed, this, [this](int virtualKey, bool held) {
        m_state.KeyDown(virtualKey, held);
        ShowState();
    });

    // The boxes follow the mask bits: Ctrl, Shift, Alt, Win.
    int bit = 0;
    for (const DialogCheckBox& description : DialogModifierBoxes()) {
        auto* box = new QCheckBox(QString::fromLatin1(description.caption), this);
        box->setObjectName(QString::fromLatin1(description.name));
        box->setAttribute(Qt::WA_TranslucentBackground);
        const auto modifier = AssemblyModifier(bit);
        // clicked() comes from the user only; unticking by "Clear" must not
        // edit the text a second time.
        connect(box, &QCheckBox::clicked, this, [this, modifier](bool ticked) {
            m_state.SetModifier(modifier, ticked);
            ShowState();
            m_edit->setFocus(Qt::OtherFocusReason);
        });
        m_boxes[std::size_t(bit)] = box;
        ++bit;
    }

    m_state.Reset();
    m_edit->clear();
    SetFocusInput(m_edit);
    BuildFrame(resources);
}

void AssemblyKeyDialog::ShowState()
{
    m_edit->setText(m_state.Text());
}

void AssemblyKeyDialog::ConfirmAction()
{
    Q_EMIT confirmed(m_edit->text(), m_state.ResultCode());
    close();
}

void AssemblyKeyDialog::SecondAction()
{
    m_state.Reset();
    for (QCheckBox* box : m_boxes)
        box->setChecked(false);
    ShowState();
    m_edit->setFocus(Qt::OtherFocusReason);
}

}  // namespace orvex
