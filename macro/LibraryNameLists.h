#pragma once

class QWidget;

namespace orvex {

class MacroLibrary;

// The two lists of library macro names (LB_PCMacroName on the macro page,
// LB_Name under the menus' "Base Macro"), row i = record i; the macro page's
// list scrolled to its last row. Filled at the start of every read of the
// mouse.
void RefreshPCMacroName(QWidget* window, const MacroLibrary& library);

}  // namespace orvex
