#pragma once

#include <QObject>

#include "ui/DialogSlot.h"

namespace orvex {

class Configurator;
class MainWindow;
class MacroNameDialog;

// New Macro and Rename on the macro page: the naming dialog TForm3, and its
// name handed to the library (a duplicate name is refused with Str106).
class MacroNaming : public QObject {
    Q_OBJECT

public:
    MacroNaming(MainWindow& window, Configurator& state, QObject* parent = nullptr);

    // Opens the naming dialog; its confirm creates a macro (row < 0) or
    // renames the macro at row. Returns the dialog, nullptr when the library
    // is full or the dialog could not be built.
    MacroNameDialog* OpenNaming(int row);

    // ApplyMacroName: the name from the dialog.
    void ApplyMacroName(int row, const QString& name);

private:
    int SelectedRow() const;

    MainWindow& m_window;
    Configurator& m_state;
    DialogSlot m_slot;
};

}  // namespace orvex
