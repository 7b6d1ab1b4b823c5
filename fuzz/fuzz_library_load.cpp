// Any file offered as the macro library or for Import One / Import All.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

#include "macro/MacroCodec.h"
#include "macro/MacroLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvex;
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/orvex71-fuzz-XXXXXX"));
    const QString path = folder.filePath(QStringLiteral("input.bin"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    MacroLibrary library;
    library.Load(path);
    for (int row = 0; row < library.Count(); ++row) {
        library.Name(row);
        MacroBufToScript(library.Record(row));
    }
    library.ImportOne(path);
    library.ImportAll(path);
    library.ToFileBytes();
    return 0;
}
