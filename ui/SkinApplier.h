#pragma once

#include "ui/CurrentPage.h"
#include "ui/SkinLayout.h"

class QWidget;

namespace orvex {

// The layout half of the appearance pass and the skin's start-up steps, over
// the named controls of the main window. Each throws LayoutError or
// ResourceError at the first bad key or missing picture; what was done up to
// there stays done.

// The first pictures of the image controls.
void LoadSkinImages(QWidget* window, CurrentPage page);

// The off / unlit pictures of the marks and scale segments that the value
// display sets later (part of LoadSkinImages).
void LoadRestingPictures(QWidget* window);

// Reads [org] into skin and places the web buttons.
void LoadGeneralSection(QWidget* window, SkinLayout& skin);

// The language's background pictures and the panel of the current page, then
// the groups A, B, C, G, D, E and F of layout variant languageNumber; the
// values other parts read go into skin.
void ApplySkinLayout(QWidget* window, int languageNumber, CurrentPage page, SkinLayout& skin);

// The panel picture of a page in a language ("L3_Back2" into Img_P2); the
// key page and engineer page have Img_P1 / none.
void LoadPagePanel(QWidget* window, int languageNumber, CurrentPage page);

}  // namespace orvex
