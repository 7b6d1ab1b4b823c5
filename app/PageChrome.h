#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace orvex {

// The picture buttons every skinned page carries its own copy of: the window
// buttons (Confirm, Apply, Read, the three restores, minimise, exit), the page,
// profile and language buttons, the web button and the hidden engineer button.
// Each is a picture "Img_<Name>_<copy>" with a label "Btn_<Name>_<copy>" on top.

// Button names of the window-button family (pictures BtnS_), in layout order.
const QStringList& WindowButtonNames();
// Button names of the page-button family (pictures SetS_).
const QStringList& PageButtonNames();
// The language buttons (pictures SetS_).
const QStringList& LanguageButtonNames();

// Creates the chrome of page copy 1..4 on that page.
void CreatePageChrome(QWidget* page, int copy);

// "Btn_Apply_2" style names.
QString CopyName(const QString& prefix, const QString& name, int copy);

}  // namespace orvex
