#include "macro/MacroCodec.h"

#include <QStringView>

#include <algorithm>
#include <limits>
#include <optional>

#include "keys/KeyFunctionCode.h"
#include "macro/MacroStepCodes.h"

namespace orvex {
namespace {

using namespace macro_step;

// Sum of bytes 1..length (the length byte and the steps), sealed like the
// configuration sections.
Byte ChecksumOver(const MacroRecord& record, int length)
{
    unsigned sum = 0;
    for (int i = 1; i <= length; ++i)
        sum += record[i];
    return static_cast<Byte>((sum & 0xFF) ^ layout::kChecksumXor);
}

bool LengthByteValid(int length)
{
    return length >= 1 && length <= kMaxLengthByte;
}

// Gathers step bytes. Past the record's room it only counts, so that a
// delay of absurd length costs neither memory nor time.
class StepWriter {
public:
    void Append(Byte value) { AppendRepeated(value, std::nullopt, 1); }
    void AppendPair(Byte first, Byte second, qint64 times = 1) { AppendRepeated(first, second, times); }

    qint64 Count() const { return m_count; }
    const std::array<Byte, kMaxStepBytes>& Bytes() const { return m_bytes; }

private:
    void AppendRepeated(Byte first, std::optional<Byte> second, qint64 times)
    {
        const int unitSize = second ? 2 : 1;
        const qint64 room = std::max<qint64>(0, kMaxStepBytes - m_count) / unitSize;
        const qint64 written = std::min(times, room);
        for (qint64 i = 0; i < written; ++i) {
            m_bytes[m_count++] = first;
            if (second)
                m_bytes[m_count++] = *second;
        }
        m_count += (times - written) * unitSize;
    }

    std::array<Byte, kMaxStepBytes> m_bytes{};
    qint64 m_count = 0;
};

// The milliseconds of a delay line ("0 " + decimal). Text that does not
// parse counts as 0, and so does a negative number.
qint64 DelayLineMs(const QString& line)
{
    bool ok = false;
    const qint64 ms = QStringView(line).mid(std::min<qsizetype>(2, line.size())).trimmed().toLongLong(&ok);
    return ok && ms > 0 ? ms : 0;
}

void AppendDelay(StepWriter& writer, qint64 ms)
{
    writer.AppendPair(kDelay, kLongestDelayUnits, ms / kLongestDelayMs);
    const qint64 remainder = ms % kLongestDelayMs;
    // A zero delay is kept as a step of its own.
    if (remainder > 0 || ms == 0)
        writer.AppendPair(kDelay, static_cast<Byte>(remainder / kDelayUnitMs));
}

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

std::optional<Byte> HexPair(QStringView digits)
{
    const int high = HexDigitValue(digits[0]);
    const int low = HexDigitValue(digits[1]);
    if (high < 0 || low < 0)
        return std::nullopt;
    return static_cast<Byte>(high * 16 + low);
}

// The last four characters of every line but a delay line are its code
// digits; a leading "00" marks a one-byte step.
void AppendCodeDigits(StepWriter& writer, const QString& line)
{
    if (line.size() < 4)
        return;
    const QStringView digits = QStringView(line).right(4);
    const std::optional<Byte> high = HexPair(digits.left(2));
    const std::optional<Byte> low = HexPair(digits.right(2));
    if (!high || !low)
        return;
    if (*high == 0x00)
        writer.Append(*low);
    else
        writer.AppendPair(*high, *low);
}

}  // namespace

EncodeResult MacroScriptToBuf(const MacroScript& script)
{
    StepWriter writer;
    for (int i = 1; i < script.lines.size(); ++i) {
        const QString& line = script.lines.at(i);
        if (line.isEmpty())
            continue;
        if (line.front() == u'0')
            AppendDelay(writer, DelayLineMs(line));
        else
            AppendCodeDigits(writer, line);
    }

    EncodeResult result;
    result.stepBytes = static_cast<int>(std::min<qint64>(writer.Count(), std::numeric_limits<int>::max()));
    result.fits = writer.Count() <= kMaxStepBytes;
    if (writer.Count() == 0 || !result.fits)
        return result;

    const int stepBytes = result.stepBytes;
    const int length = stepBytes + 1;
    MacroRecord& record = result.record;
    record[0] = static_cast<Byte>(script.releaseMode);
    record[1] = static_cast<Byte>(length);
    std::copy_n(writer.Bytes().begin(), stepBytes, record.begin() + 2);
    record[length + 1] = ChecksumOver(record, length);
    return result;
}

QString RecordHexLine(const MacroRecord& record)
{
    const int length = record[1];
    if (!LengthByteValid(length))
        return {};
    QString line;
    line.reserve(2 * (length + 2));
    for (int i = 0; i <= length + 1; ++i)
        line += HexByte(record[i]);
    return line;
}

bool RecordChecksumValid(const MacroRecord& record)
{
    const int length = record[1];
    return LengthByteValid(length) && record[length + 1] == ChecksumOver(record, length);
}

DelayHeader ParseDelayHeader(const QString& headerLine)
{
    if (headerLine.startsWith(QLatin1String("10")))
        return {DelayMode::Record, 0};
    if (headerLine.startsWith(QLatin1String("01"))) {
        bool ok = false;
        const int ms = QStringView(headerLine).mid(2).trimmed().toInt(&ok);
        return {DelayMode::Default, ok && ms > 0 ? ms : 0};
    }
    return {DelayMode::None, 0};
}

QString DelayHeaderLine(const DelayHeader& header)
{
    switch (header.mode) {
    case DelayMode::Record:
        return QStringLiteral("10");
    case DelayMode::Default:
        return QStringLiteral("01") + QString::number(header.defaultDelayMs);
    case DelayMode::None:
        break;
    }
    return QStringLiteral("00");
}

}  // namespace orvex
