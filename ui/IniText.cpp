#include "ui/IniText.h"

namespace orvex {
namespace {

bool IsIniSpace(QChar ch)
{
    return ch.unicode() <= 0x20;
}

}  // namespace

QString TrimIniText(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsIniSpace(text.at(begin)))
        ++begin;
    while (end > begin && IsIniSpace(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

QList<IniSection> ReadIniSections(const QStringList& lines)
{
    QList<IniSection> sections;
    qsizetype current = -1;
    for (const QString& rawLine : lines) {
        const QString line = TrimIniText(rawLine);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = TrimIniText(line.mid(1, line.size() - 2));
            current = -1;
            for (qsizetype i = 0; i < sections.size(); ++i) {
                if (sections[i].name.compare(name, Qt::CaseInsensitive) == 0) {
                    current = i;
                    break;
                }
            }
            if (current < 0) {
                sections.append(IniSection{name, {}});
                current = sections.size() - 1;
            }
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || current < 0)
            continue;
        const QString key = TrimIniText(line.left(equals)).toLower();
        // An empty key can never be asked for; dropping it keeps the table clean.
        if (key.isEmpty())
            continue;
        QHash<QString, QString>& values = sections[current].values;
        if (!values.contains(key))
            values.insert(key, TrimIniText(line.mid(equals + 1)));
    }
    return sections;
}

const IniSection* FindIniSection(const QList<IniSection>& sections, const QString& name)
{
    for (const IniSection& section : sections) {
        if (section.name.compare(name, Qt::CaseInsensitive) == 0)
            return &section;
    }
    return nullptr;
}

}  // namespace orvex
