#pragma once

#include <QImage>
#include <QSize>

namespace orvex::skin {

// The three pictures of a state set: _01, _02 and _03.
enum class ButtonState { Normal, Hover, Pressed };

// Flat command button (window buttons, dialog buttons, macro page buttons).
QImage DrawPlateButton(QSize size, ButtonState state);

// Page, profile and language tab; Pressed is the selected tab.
QImage DrawTabButton(QSize size, ButtonState state);

// The plate under a button's function label on the Mode A/B page.
QImage DrawKeyPlate(QSize size, ButtonState state);

// Exit (a cross) and minimise (a dash) buttons of the window and dialogs.
enum class WindowGlyph { Close, Minimise };
QImage DrawWindowButton(QSize size, ButtonState state, WindowGlyph glyph);

// The support/web banner with the wordmark.
QImage DrawWebBanner(QSize size, ButtonState state);

}  // namespace orvex::skin
