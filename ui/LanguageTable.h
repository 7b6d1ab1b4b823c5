#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <array>

namespace orvex {

// The parsed content of one language resource: the texts by key ("Str000" ..
// "Str701"), the font family and the application title. Keys are matched
// without regard to case; an absent key reads as the empty text.
class LanguageTable {
public:
    QString text(const QString& key) const;
    bool contains(const QString& key) const;
    QString fontName() const { return text(QStringLiteral("FontName")); }
    QString title() const { return text(QStringLiteral("Title")); }

    void insert(const QString& key, const QString& value);
    int size() const { return m_entries.size(); }

private:
    QHash<QString, QString> m_entries;  // keys lower-cased
};

// Parses a language resource (UTF-16 LE, optionally with BOM) and takes the
// entries of the section named sectionName. The text stays Unicode.
LanguageTable ParseLanguageResource(const QByteArray& bytes, const QString& sectionName);

// Language 1 (Simplified Chinese), 2 (Traditional Chinese) or 3 (English),
// from the built-in resources "lang1" .. "lang3".
LanguageTable LoadLanguageTable(int languageNumber);

// All three built-in tables, in language order.
using LanguageTables = std::array<LanguageTable, 3>;
LanguageTables LoadAllLanguageTables();

// The key ("Str262") of the entry whose text equals text, searched over
// languages 1..3 and ids 0..700 formed without leading zeros; the last match
// wins, the empty text when there is none.
QString FindTextId(const QString& text, const LanguageTables& tables);

}  // namespace orvex
