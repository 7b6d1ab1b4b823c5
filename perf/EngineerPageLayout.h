#pragma once

#include <QString>
#include <QWidget>

namespace orvex {

// Creates every control of the engineer page, named and laid out, without
// captions (ApplyEngineerCaptions gives them) and without any behaviour.
void BuildEngineerPageControls(QWidget* page);

// The control of that object name on the page; every name the page code
// asks for exists, so a miss is a programming error.
template <class T>
T* EngineerControl(const QWidget* page, const QString& name)
{
    T* control = page->findChild<T*>(name);
    Q_ASSERT_X(control, "EngineerControl", qPrintable(name));
    return control;
}

// A family member's name: "cb_CPI%1" and 3 give "cb_CPI3".
inline QString Numbered(const char* pattern, int number)
{
    return QString::fromLatin1(pattern).arg(number);
}

}  // namespace orvex
