// Any language resource bytes: parse and look texts up.
#include <cstddef>
#include <cstdint>

#include "ui/LanguageTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvex;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const LanguageTable table = ParseLanguageResource(bytes, QStringLiteral("lang1"));
    table.fontName();
    table.title();
    table.text(QStringLiteral("Str000"));
    const LanguageTables tables{table, table, table};
    FindTextId(table.text(QStringLiteral("Str213")), tables);
    return 0;
}
