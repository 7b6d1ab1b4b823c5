#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace orvex {

// One entry of the cascading function menus: its label and, for the entries
// that open a submenu, the ">>" arrow label beside it.
struct FunctionMenuEntry {
    const char* item;   // "Key_Left"
    const char* arrow;  // "ST_Standard", or nullptr
};

struct FunctionMenuPanel {
    const char* panel;  // "Pnl_Main"
    QList<FunctionMenuEntry> entries;
};

// The seven menu panels and their entries, in display order.
const QList<FunctionMenuPanel>& FunctionMenuPanels();

// Creates the hidden menu panels (and the macro list LB_Name) on the window.
void CreateFunctionMenus(QWidget* window);

}  // namespace orvex
