#pragma once

#include <QString>

#include <span>

class QLocale;

namespace orvex {

// The column of the engineer page captions: they follow the system locale,
// not the language buttons.
enum class TermLanguage { English, Chinese };

// One engineer page caption; the texts are UTF-8.
struct TTerm {
    int id;
    const char* english;
    const char* chinese;
};

// All 144 captions, ids 0 .. 143 in ascending order.
std::span<const TTerm> TermTable();

// The text of the first entry with id in language; empty for an unknown id.
QString TermText(int id, TermLanguage language);

// Chinese for the locale Chinese, China; English for every other locale.
TermLanguage TermLanguageForLocale(const QLocale& locale);

}  // namespace orvex
