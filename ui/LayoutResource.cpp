#include "ui/LayoutResource.h"

#include "ui/IniText.h"

#include <QFile>

#include <limits>
#include <optional>
#include <utility>

namespace orvex {
namespace {

// Only ASCII digits count: "0x10", "1.5", "12a", "$10" and non-ASCII digits
// are not decimal integers here, so a typing error in a resource cannot
// silently place a control somewhere else.
std::optional<int> ParseStrictInteger(const QString& text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    qint64 magnitude = 0;
    constexpr qint64 kLimit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (ch - u'0');
        if (magnitude > kLimit)
            return std::nullopt;
    }
    if (!negative && magnitude == kLimit)
        return std::nullopt;
    return int(negative ? -magnitude : magnitude);
}

QString Quoted(const QString& text)
{
    return QStringLiteral("\"%1\"").arg(text);
}

}  // namespace

LayoutError::LayoutError(const QString& message, QString section, QString key)
    : std::runtime_error(message.toStdString()),
      m_section(std::move(section)),
      m_key(std::move(key))
{
}

LayoutSection::LayoutSection(QString name, QHash<QString, QString> values)
    : m_name(std::move(name)), m_values(std::move(values))
{
}

int LayoutSection::Integer(const QString& key) const
{
    const auto found = m_values.constFind(key.toLower());
    const QString prefix = QStringLiteral("layout [%1]: ").arg(m_name);
    if (found == m_values.cend()) {
        throw LayoutError(prefix + Quoted(key) + QStringLiteral(" is missing, \"\" is not a valid integer value"),
                          m_name, key);
    }
    const std::optional<int> value = ParseStrictInteger(*found);
    if (!value) {
        throw LayoutError(prefix + Quoted(key) + QStringLiteral(" = ") + Quoted(*found) +
                              QStringLiteral(" is not a valid integer value"),
                          m_name, key);
    }
    return *value;
}

QString LayoutSection::Text(const QString& key) const
{
    return m_values.value(key.toLower());
}

bool LayoutSection::Has(const QString& key) const
{
    return m_values.contains(key.toLower());
}

QList<LayoutSection> ParseLayoutText(const QByteArray& bytes)
{
    QByteArray text = bytes;
    // A UTF-8 byte-order mark would otherwise glue itself to the first line.
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    QString decoded = QString::fromUtf8(text);
    decoded.replace(u'\r', u'\n');
    const QStringList lines = decoded.split(u'\n');
    QList<LayoutSection> sections;
    for (IniSection& section : ReadIniSections(lines))
        sections.append(LayoutSection(std::move(section.name), std::move(section.values)));
    return sections;
}

LayoutSection FindLayoutSection(const QList<LayoutSection>& sections, const QString& name)
{
    for (const LayoutSection& section : sections) {
        if (section.Name().compare(name, Qt::CaseInsensitive) == 0)
            return section;
    }
    return LayoutSection(name, {});
}

QString LayoutSectionName(int variant)
{
    return variant == 0 ? QStringLiteral("org") : QStringLiteral("org%1").arg(variant);
}

LayoutSection LoadLayoutSection(int variant)
{
    const QString name = LayoutSectionName(variant);
    QFile file(QStringLiteral(":/layout/") + name);
    if (variant < 0 || variant > 3 || !file.open(QIODevice::ReadOnly))
        throw LayoutError(QStringLiteral("layout resource \"%1\" not found").arg(name), name, QString());
    return FindLayoutSection(ParseLayoutText(file.readAll()), name);
}

}  // namespace orvex
