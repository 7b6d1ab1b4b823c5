#pragma once

class QWidget;

namespace orvex {

// The lighting page: the option marks (LED on/off, M+CPI, L+CPI, key mode
// saved), the seven LED mode entries, the speed and LED count scales and the
// two key-mode colour swatches.
void CreateLightPageControls(QWidget* page);

}  // namespace orvex
