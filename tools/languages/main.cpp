// orvex71_make_languages TEXTS.tsv OUTPUT_DIR
//
// Reads the master table of texts (UTF-8, tab-separated: key, language 3,
// language 1, language 2; lines starting with "#" are comments) and writes
// the language resources lang1, lang2 and lang3: UTF-16 LE with the mark
// FF FE, CR LF lines, the unquoted section header, then one quoted entry per
// line with quotes inside a text doubled.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <cstdio>

namespace {

struct TextRow {
    QString key;
    QString texts[3];  // languages 1, 2, 3
};

const char* const kLanguageNames[3] = {"Simplified Chinese", "Traditional Chinese", "English"};

bool Fail(const QString& message)
{
    std::fprintf(stderr, "orvex71_make_languages: %s\n", qPrintable(message));
    return false;
}

bool ReadTable(const QString& path, QList<TextRow>& rows)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot open %1").arg(path));
    static const QRegularExpression kKeyForm(QStringLiteral("^(FontName|Title|Str[0-9]{3})$"));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    QSet<QString> seen;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        const QString where = QStringLiteral("%1:%2: ").arg(path).arg(n + 1);
        if (fields.size() != 4)
            return Fail(where + QStringLiteral("expected 4 tab-separated fields, found %1").arg(fields.size()));
        if (!kKeyForm.match(fields[0]).hasMatch())
            return Fail(where + QStringLiteral("\"%1\" is not a language key").arg(fields[0]));
        if (seen.contains(fields[0].toLower()))
            return Fail(where + QStringLiteral("%1 is listed twice").arg(fields[0]));
        seen.insert(fields[0].toLower());
        // The table lists the English master text (language 3) first.
        rows.append(TextRow{fields[0], {fields[2], fields[3], fields[1]}});
    }
    if (rows.isEmpty())
        return Fail(QStringLiteral("%1 holds no texts").arg(path));
    return true;
}

QString Quote(const QString& entry)
{
    QString quoted = entry;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString ResourceText(const QList<TextRow>& rows, int language)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("[lang%1]").arg(language) + crlf;
    text += Quote(QStringLiteral("; ORVEX71 Configurator texts, language %1: %2")
                      .arg(language)
                      .arg(QString::fromLatin1(kLanguageNames[language - 1]))) + crlf;
    QChar lastGroup;
    for (const TextRow& row : rows) {
        // A blank line before each hundred of ids keeps the file readable.
        const QChar group = row.key.startsWith(QStringLiteral("Str")) ? row.key[3] : QChar(u'-');
        if (group != lastGroup)
            text += crlf;
        lastGroup = group;
        text += Quote(row.key + u'=' + row.texts[language - 1]) + crlf;
    }
    return text;
}

QByteArray Utf16LeWithMark(const QString& text)
{
    QByteArray bytes("\xFF\xFE", 2);
    bytes.reserve(2 + 2 * text.size());
    for (QChar ch : text) {
        bytes.append(char(ch.unicode() & 0xFF));
        bytes.append(char(ch.unicode() >> 8));
    }
    return bytes;
}

bool WriteResource(const QString& directory, int language, const QByteArray& bytes)
{
    const QString path = QDir(directory).filePath(QStringLiteral("lang%1").arg(language));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return Fail(QStringLiteral("cannot write %1").arg(path));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: orvex71_make_languages TEXTS.tsv OUTPUT_DIR\n");
        return 2;
    }
    QList<TextRow> rows;
    if (!ReadTable(arguments[1], rows))
        return 1;
    for (int language = 1; language <= 3; ++language) {
        if (!WriteResource(arguments[2], language, Utf16LeWithMark(ResourceText(rows, language))))
            return 1;
    }
    return 0;
}
