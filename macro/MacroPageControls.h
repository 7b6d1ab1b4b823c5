#pragma once

class QWidget;

namespace orvex {

// The macro page: the library list, the step list, the New and Record
// buttons, the delay box Gb_Delay, the insert box Gb_Insert with its
// background, and the two pop-up menus Pnl_PCMacro and Pnl_DevContent.
void CreateMacroPageControls(QWidget* page);

}  // namespace orvex
