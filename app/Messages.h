#pragma once

#include <QString>

class QMessageBox;
class QWidget;

namespace orvex {

class Configurator;

// A message of the program: a message box of the custom kind (no icon) with
// one OK button, captioned with the language's Title and written in its
// FontName. Modal to the window but not blocking the caller: it is shown and
// the caller carries on (the box closes itself on OK).
QMessageBox* ShowMessage(QWidget* window, const Configurator& state, const QString& text);

// The same for a language-table key ("Str020").
QMessageBox* ShowMessageKey(QWidget* window, const Configurator& state, const QString& key);

}  // namespace orvex
