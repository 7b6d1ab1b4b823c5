#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace orvex {

// Removes spaces and control characters (everything up to U+0020) from both
// ends. Other Unicode spaces, such as the ideographic space, belong to the
// text and are kept.
QString TrimIniText(const QString& text);

// One section of INI text: its name as written and its values by lower-cased
// key.
struct IniSection {
    QString name;
    QHash<QString, QString> values;
};

// Reads INI lines (or language entries, which follow the same rules): each is
// trimmed; empty ones and those starting with ";" are comments; "[name]"
// opens a section; a line with "=" gives key and value, split at the first
// "=" and trimmed; other lines and lines before the first section are
// ignored. Names and keys are matched without regard to case; a repeated
// section adds to the first one and the first occurrence of a key wins.
// Sections come back in the order of their first appearance.
QList<IniSection> ReadIniSections(const QStringList& lines);

// The section named name (case-insensitive), or nullptr.
const IniSection* FindIniSection(const QList<IniSection>& sections, const QString& name);

}  // namespace orvex
