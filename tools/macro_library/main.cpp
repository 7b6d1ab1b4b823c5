// Writes the initial macro library (the built-in "PCMacroData"): the sample
// macros in records 0..21, every other record empty.

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

#include "SampleMacros.h"
#include "macro/MacroCodec.h"
#include "macro/MacroLibrary.h"
#include "macro/MacroName.h"

namespace {

using namespace orvex;

constexpr int kExpectedSampleCount = 22;

// Record 0 is the example the codec is tested against:
// 01 0A FD 04 A1 FE 0A 21 FA 02 FC 97.
constexpr Byte kFirstRecordStart[] = {0x01, 0x0A, 0xFD, 0x04, 0xA1, 0xFE,
                                      0x0A, 0x21, 0xFA, 0x02, 0xFC, 0x97};

QString CheckSample(int index, const SampleMacro& sample, const EncodeResult& encoded)
{
    const QString where = QStringLiteral("sample %1 \"%2\": ").arg(index).arg(sample.name);
    if (DecodeMacroName(EncodeMacroName(sample.name)) != sample.name)
        return where + QStringLiteral("the name is longer than 16 units");
    if (!encoded.fits || encoded.stepBytes == 0)
        return where + QStringLiteral("%1 step bytes do not fit a record").arg(encoded.stepBytes);
    const MacroScript decoded = MacroBufToScript(encoded.record);
    if (decoded != sample.script) {
        return where + QStringLiteral("decodes to [%1] instead of [%2]")
                           .arg(decoded.lines.join(QStringLiteral(" | ")),
                                sample.script.lines.join(QStringLiteral(" | ")));
    }
    return {};
}

QString CheckFirstRecord(const MacroRecord& record)
{
    MacroRecord expected{};
    std::copy(std::begin(kFirstRecordStart), std::end(kFirstRecordStart), expected.begin());
    if (record != expected)
        return QStringLiteral("record 0 is %1 instead of the example record").arg(RecordHexLine(record));
    return {};
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        err << "usage: orvex71_macro_library OUTPUT_FILE\n";
        return 2;
    }

    const std::vector<SampleMacro> samples = SampleMacros();
    if (samples.size() != kExpectedSampleCount) {
        err << "expected " << kExpectedSampleCount << " sample macros, have " << samples.size() << "\n";
        return 1;
    }

    MacroLibrary library;
    for (int i = 0; i < static_cast<int>(samples.size()); ++i) {
        const SampleMacro& sample = samples[i];
        const EncodeResult encoded = MacroScriptToBuf(sample.script);
        QString problem = CheckSample(i, sample, encoded);
        if (problem.isEmpty() && i == 0)
            problem = CheckFirstRecord(encoded.record);
        if (problem.isEmpty()) {
            const LibraryOutcome added = library.New(sample.name);
            problem = added.Succeeded() ? QString() : added.errorText;
            if (added.Succeeded())
                library.SetRecord(added.row, encoded.record);
        }
        if (!problem.isEmpty()) {
            err << problem << "\n";
            return 1;
        }
    }

    const LibraryOutcome saved = library.Save(arguments.at(1));
    if (!saved.Succeeded()) {
        err << saved.errorText << "\n";
        return 1;
    }
    return 0;
}
