#pragma once

#include "tools/skin/Palette.h"

#include <QImage>
#include <QSize>

namespace orvex::skin {

// The panels of the advanced, lighting and macro pages (placed at page
// (98, 128)), with headings and captions printed in the page's language.
QImage DrawAdvancedPanel(QSize size, Language language);
QImage DrawLightingPanel(QSize size, Language language);
QImage DrawMacroPanel(QSize size, Language language);

}  // namespace orvex::skin
