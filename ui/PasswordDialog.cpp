#include "ui/PasswordDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvex {

PasswordDialog::PasswordDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgPass"));
    setWindowTitle(QStringLiteral("Password"));
    setWindowModality(Qt::WindowModal);

    auto* prompt = new QLabel(QStringLiteral("PASSWORD:"), this);
    m_entry = new QLineEdit(this);
    m_entry->setObjectName(QStringLiteral("edt_Password"));
    m_entry->setEchoMode(QLineEdit::Password);
    // The style's own mask character differs by platform; the prompt shows "*".
    m_entry->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    prompt->setBuddy(m_entry);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_entry);
    layout->addWidget(buttons);
    setFixedWidth(280);
}

void PasswordDialog::Ask()
{
    m_entry->clear();
    adjustSize();
    if (const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr) {
        const QRect area = owner->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    m_entry->setFocus();
    open();
}

QString PasswordDialog::EnteredText() const
{
    return m_entry->text();
}

}  // namespace orvex
