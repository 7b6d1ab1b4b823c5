#pragma once

namespace orvex {

class SkinPlacer;

// The groups of a layout variant, each applied key by key in the order of
// the layout resource. They throw LayoutError at the first bad key.

// Group A (window buttons) and group B (page, profile and language buttons)
// for the four page copies, and the fixed place of the engineer button.
void ApplyWindowButtonGroups(SkinPlacer& placer);
// Group C: the Mode A / Mode B page.
void ApplyMainPageGroup(SkinPlacer& placer);
// Group G: the function menus.
void ApplyMenuGroup(SkinPlacer& placer);
// Group D: the advanced page.
void ApplyAdvancedPageGroup(SkinPlacer& placer);
// Group E: the lighting page (scale numbering by numberOrder 0 or 1).
void ApplyLightPageGroup(SkinPlacer& placer, int numberOrder);
// Group F: the macro page.
void ApplyMacroPageGroup(SkinPlacer& placer);

// The segment scales: segment i (from 1) of a scale whose first segment is w
// wide stands at x + (i - 1) * (gap + w).
int ScaleSegmentX(int x, int gap, int segmentWidth, int segment);

}  // namespace orvex
