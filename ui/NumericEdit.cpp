#include "ui/NumericEdit.h"

#include <QKeyEvent>

namespace orvex {

THexEdit::THexEdit(const QString& objectName, QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(objectName);
}

bool THexEdit::Accepts(QChar c) const
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
           || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
           || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

void THexEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool isCharacter = !typed.isEmpty() && typed.at(0).isPrint();
    if (m_isFilter && isCharacter) {
        for (const QChar c : typed) {
            if (!Accepts(c)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

int THexEdit::Value() const
{
    // Reads as "$0" + text: an empty text is 0.
    bool ok = false;
    const int value = (QStringLiteral("0") + text()).toInt(&ok, 16);
    return ok ? value : 0;
}

void THexEdit::SetValue(int value)
{
    setText(value <= 0 ? QString() : QString::number(value, 16).toUpper());
}

TIntEdit::TIntEdit(const QString& objectName, QWidget* parent)
    : THexEdit(objectName, parent)
{
}

bool TIntEdit::Accepts(QChar c) const
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int TIntEdit::Value() const
{
    bool ok = false;
    const int value = (QStringLiteral("0") + text()).toInt(&ok, 10);
    return ok ? value : 0;
}

void TIntEdit::SetValue(int value)
{
    setText(value <= 0 ? QString() : QString::number(value));
}

}  // namespace orvex
