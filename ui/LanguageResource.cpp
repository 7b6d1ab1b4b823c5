// Reading of the language resources: UTF-16 LE text split into entries the
// way a space-delimited, double-quoted string list is split, then read as INI
// lines. The text is kept Unicode from the resource to the controls; only
// keys, quotes and separators need to be ASCII.

#include "ui/LanguageTable.h"

#include "ui/IniText.h"

#include <QFile>

#include <stdexcept>

namespace orvex {
namespace {

constexpr int kFirstFormedId = 0;
constexpr int kLastFormedId = 700;

// With the mark FF FE the text starts behind it; without it the whole
// resource is text. An odd trailing byte is no code unit and is dropped.
QString DecodeUtf16Le(const QByteArray& bytes)
{
    qsizetype offset = 0;
    if (bytes.size() >= 2 && quint8(bytes[0]) == 0xFF && quint8(bytes[1]) == 0xFE)
        offset = 2;
    const qsizetype units = (bytes.size() - offset) / 2;
    QString text(units, Qt::Uninitialized);
    for (qsizetype i = 0; i < units; ++i) {
        const quint8 low = quint8(bytes[offset + 2 * i]);
        const quint8 high = quint8(bytes[offset + 2 * i + 1]);
        text[i] = QChar(char16_t(low | (high << 8)));
    }
    return text;
}

bool IsEntrySeparator(QChar ch)
{
    return ch.unicode() <= 0x20;
}

// Outside quotes any space or control character ends an entry. A quoted
// entry runs to its closing quote, "" standing for one quote character; an
// unterminated quote takes the rest of the text.
QStringList SplitEntries(const QString& text)
{
    QStringList entries;
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (true) {
        while (i < size && IsEntrySeparator(text[i]))
            ++i;
        if (i >= size)
            break;
        QString entry;
        if (text[i] == u'"') {
            ++i;
            while (i < size) {
                if (text[i] == u'"') {
                    if (i + 1 < size && text[i + 1] == u'"') {
                        entry += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                entry += text[i];
                ++i;
            }
        } else {
            const qsizetype begin = i;
            while (i < size && !IsEntrySeparator(text[i]))
                ++i;
            entry = text.mid(begin, i - begin);
        }
        entries.append(entry);
    }
    return entries;
}

}  // namespace

LanguageTable ParseLanguageResource(const QByteArray& bytes, const QString& sectionName)
{
    LanguageTable table;
    const QList<IniSection> sections = ReadIniSections(SplitEntries(DecodeUtf16Le(bytes)));
    if (const IniSection* section = FindIniSection(sections, sectionName)) {
        for (auto it = section->values.cbegin(); it != section->values.cend(); ++it)
            table.insert(it.key(), it.value());
    }
    return table;
}

LanguageTable LoadLanguageTable(int languageNumber)
{
    const QString name = QStringLiteral("lang%1").arg(languageNumber);
    QFile file(QStringLiteral(":/lang/") + name);
    if (languageNumber < 1 || languageNumber > 3 || !file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("language resource \"%1\" not found").arg(name).toStdString());
    return ParseLanguageResource(file.readAll(), name);
}

LanguageTables LoadAllLanguageTables()
{
    return {LoadLanguageTable(1), LoadLanguageTable(2), LoadLanguageTable(3)};
}

QString FindTextId(const QString& text, const LanguageTables& tables)
{
    // An empty caption equals every absent key and the empty entries
    // (Str101 of languages 1 and 3) but names no text; a blank label must
    // stay blank rather than pick up whichever of them comes last.
    if (text.isEmpty())
        return QString();
    QString found;
    for (const LanguageTable& table : tables) {
        for (int id = kFirstFormedId; id <= kLastFormedId; ++id) {
            // Formed without leading zeros, so "Str000" .. "Str099" are never
            // asked for and only ids 100 .. 700 can match.
            const QString key = QStringLiteral("Str%1").arg(id);
            if (table.text(key) == text)
                found = key;
        }
    }
    return found;
}

}  // namespace orvex
