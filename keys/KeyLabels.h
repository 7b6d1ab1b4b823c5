#pragma once

class QWidget;

namespace orvex {

class Configurator;

// The main page's button labels Key1..Key9 show the function names of the
// Mode A (RefreshProfile1Keys) or Mode B (RefreshProfile2Keys) codes.
void RefreshProfile1Keys(QWidget* window, const Configurator& state);
void RefreshProfile2Keys(QWidget* window, const Configurator& state);

// The last step of showing an image on the main page: the number-mark
// picture of the language, every page-tab picture normal, then the tab of the
// image's key mode selected on all four pages, its marker radio button
// checked, and its profile on Key1..Key9.
void ShowKeyModeOfImage(QWidget* window, Configurator& state);

}  // namespace orvex
