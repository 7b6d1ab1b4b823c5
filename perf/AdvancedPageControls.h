#pragma once

class QWidget;

namespace orvex {

// The advanced page: fire key edits, the three pointer scales with their
// options, the seven CPI level rows and the AIM row.
void CreateAdvancedPageControls(QWidget* page);

}  // namespace orvex
