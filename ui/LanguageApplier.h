#pragma once

#include "ui/LanguageTable.h"

class QWidget;

namespace orvex {

// The text half of the appearance pass over the named controls of the main
// window: the language's font family, the captions of the window, page and
// language buttons, the translation of the button labels Key1..Key9, the
// function-menu entries and the macro page captions; the insert list keeps
// its selection. Options whose texts the skin prints beside their marks
// (the lighting page, the page's delay and release options) stay caption-less.
void ApplyLanguage(QWidget* window, const LanguageTable& language, const LanguageTables& allLanguages);

// The caption of a button label after a language switch: the text of the
// key FindTextId gives for caption, in the new language; the caption itself
// when no key matches (key combinations, macro names).
QString TranslatedCaption(const QString& caption, const LanguageTable& language,
                          const LanguageTables& allLanguages);

// The language's font family with fallbacks for the fonts Linux may lack.
QStringList FontFamiliesFor(const QString& fontName);

}  // namespace orvex
