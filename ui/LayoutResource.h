#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace orvex {

// A layout value the window cannot use: a key that is missing or not a
// decimal integer, or a layout resource that does not exist. It ends the
// appearance pass that met it; the message is meant for the user.
class LayoutError : public std::runtime_error {
public:
    LayoutError(const QString& message, QString section, QString key);

    // The section and key concerned (the key is empty for a missing resource).
    const QString& Section() const { return m_section; }
    const QString& Key() const { return m_key; }

private:
    QString m_section;
    QString m_key;
};

// One section of a layout resource. Keys are matched without regard to case.
class LayoutSection {
public:
    LayoutSection() = default;
    // values are keyed by lower-cased key.
    LayoutSection(QString name, QHash<QString, QString> values);

    // The section name as written in the resource ("org1").
    const QString& Name() const { return m_name; }

    // The value of key as a strict decimal integer with an optional sign.
    // Throws LayoutError for a missing key, an empty value or any other text
    // ("12a", "1.5", "0x10", out of int range).
    int Integer(const QString& key) const;

    // The trimmed value of key; the empty text when the key is missing.
    QString Text(const QString& key) const;

    // Whether the section holds key.
    bool Has(const QString& key) const;

    // The keys of the section, lower-cased, in no particular order.
    QStringList Keys() const { return m_values.keys(); }

private:
    QString m_name;
    QHash<QString, QString> m_values;
};

// All sections of a layout text (8-bit, read as UTF-8; CR LF or LF lines),
// in the order of their first appearance.
QList<LayoutSection> ParseLayoutText(const QByteArray& bytes);

// The section called name (case-insensitive) out of sections; an empty
// section of that name when there is none, so every Integer() on it fails
// with a message naming the section.
LayoutSection FindLayoutSection(const QList<LayoutSection>& sections, const QString& name);

// "org" for variant 0 (the general section), "org1" .. "org3" for the
// layout variants of languages 1 .. 3.
QString LayoutSectionName(int variant);

// The built-in section of variant 0 .. 3 from the resource of the same name
// (":/layout/org", ":/layout/org1" ..). Throws LayoutError when the resource
// is missing.
LayoutSection LoadLayoutSection(int variant);

}  // namespace orvex
