#pragma once

#include <QString>

namespace orvex {

// The page the window shows, recorded in the hidden radio buttons rb_1 ..
// rb_7 for the parts that read it. Mode A and Mode B share the key page.
enum class CurrentPage { ModeA, ModeB, Advanced, Lighting, Macro, Engineer };

// The marker radio button of a page ("rb_1", "rb_2", "rb_4" .. "rb_7").
QString PageMarkerName(CurrentPage page);
// The page container that shows it: 1 (key page), 2, 3, 4, or 6 (engineer).
int PageContainerNumber(CurrentPage page);
// The page button family name of a page ("Main", "Second", "Adv", ...).
QString PageButtonName(CurrentPage page);

}  // namespace orvex
