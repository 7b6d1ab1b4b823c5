#include "ui/LanguageTable.h"

namespace orvex {

QString LanguageTable::text(const QString& key) const
{
    return m_entries.value(key.toLower());
}

bool LanguageTable::contains(const QString& key) const
{
    return m_entries.contains(key.toLower());
}

void LanguageTable::insert(const QString& key, const QString& value)
{
    m_entries.insert(key.toLower(), value);
}

}  // namespace orvex
