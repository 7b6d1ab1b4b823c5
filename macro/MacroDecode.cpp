// MacroBufToScript: the walk over the steps of a record, one script line per
// step, delay steps merged into lines.

#include "macro/MacroCodec.h"

#include <algorithm>

#include "keys/KeyFunctionCode.h"
#include "keys/KeyboardTables.h"
#include "macro/MacroStepCodes.h"

namespace orvex {
namespace {

using namespace macro_step;

struct FixedLine {
    Byte code;
    const char* line;
};

// Mouse-button steps carry no operand; each has its line of its own.
constexpr FixedLine kButtonLines[] = {
    {0xA1, "1 LeftKey CODE:00A1"},   {0xA2, "1 RightKey CODE:00A2"},
    {0xA4, "1 MiddleKey CODE:00A4"}, {0xA8, "1 Forward CODE:00A8"},
    {0xB0, "1 Backward CODE:00B0"},  {0x21, "2 LeftKey CODE:0021"},
    {0x22, "2 RightKey CODE:0022"},  {0x24, "2 MiddleKey CODE:0024"},
    {0x28, "2 Forward CODE:0028"},   {0x30, "2 Backward CODE:0030"},
    {kRepeatEnd, "8 00FC"},
};

struct ModifierName {
    Byte mask;
    const char* name;  // the key-table names of virtual keys 17, 16, 18, 91, 92
};

constexpr ModifierName kModifierNames[] = {
    {0x01, "Ctrl"}, {0x02, "Shift"}, {0x04, "Alt"}, {0x08, "Left Windows"}, {0x80, "Right Windows"},
};

struct OperandStep {
    Byte code;
    char typeDigit;          // for operands 0x00..0x7F
    char negativeTypeDigit;  // for operands 0x80..0xFF
};

// Steps whose line is the type digit and the four code digits alone.
constexpr OperandStep kOperandSteps[] = {
    {kMoveX, '3', '4'},
    {kMoveY, '5', '6'},
    {kRepeatStart, '7', '7'},
};

constexpr Byte kTwoByteCodes[] = {kModifierPress, kModifierRelease, kKeyPress, kKeyRelease,
                                  kMoveX,         kMoveY,           kRepeatStart, kDelay};

struct DecodedStep {
    QString line;
    int size;
};

QString CodeDigits(Byte first, Byte second)
{
    return HexByte(first) + HexByte(second);
}

// Every line but a delay line starts with its type digit and a space.
QString TypePrefix(char typeDigit)
{
    return QString(QLatin1Char(typeDigit)) + QLatin1Char(' ');
}

QString NamedLine(char typeDigit, const QString& name, Byte first, Byte second)
{
    return TypePrefix(typeDigit) + name + QLatin1String(" CODE:") +
           CodeDigits(first, second);
}

// A byte the table does not know. Shown with a leading "00" so that it
// encodes back to the one byte it came from.
DecodedStep UnknownOneByteStep(Byte code)
{
    return {NamedLine('9', QStringLiteral("Unknown"), 0x00, code), 1};
}

DecodedStep ModifierStep(Byte code, Byte mask)
{
    const char typeDigit = code == kModifierPress ? '1' : '2';
    const auto* known = std::find_if(std::begin(kModifierNames), std::end(kModifierNames),
                                     [mask](const ModifierName& m) { return m.mask == mask; });
    // The mouse takes one modifier bit per step; other masks are kept as
    // they are so that they survive an edit.
    const QString name = known != std::end(kModifierNames) ? QString::fromLatin1(known->name)
                                                           : QStringLiteral("Unknown");
    return {NamedLine(typeDigit, name, code, mask), 2};
}

DecodedStep KeyStep(Byte code, Byte usage)
{
    const char typeDigit = code == kKeyPress ? '1' : '2';
    QString name = KeyUsageName(usage);
    if (name.isEmpty())
        name = QStringLiteral("Unknown");
    return {NamedLine(typeDigit, name, code, usage), 2};
}

// Every step but a delay: one line, and the number of bytes it took.
// hasOperand is false when the code is the last step byte, where a two-byte
// step would take the checksum as its operand.
DecodedStep DecodeStep(Byte code, Byte operand, bool hasOperand)
{
    for (const FixedLine& fixed : kButtonLines) {
        if (fixed.code == code)
            return {QString::fromLatin1(fixed.line), 1};
    }
    const bool twoByte = std::find(std::begin(kTwoByteCodes), std::end(kTwoByteCodes), code) !=
                         std::end(kTwoByteCodes);
    if (!twoByte || !hasOperand)
        return UnknownOneByteStep(code);
    if (code == kModifierPress || code == kModifierRelease)
        return ModifierStep(code, operand);
    if (code == kKeyPress || code == kKeyRelease)
        return KeyStep(code, operand);
    for (const OperandStep& step : kOperandSteps) {
        if (step.code == code) {
            const char typeDigit = operand < 0x80 ? step.typeDigit : step.negativeTypeDigit;
            return {TypePrefix(typeDigit) + CodeDigits(code, operand), 2};
        }
    }
    return UnknownOneByteStep(code);
}

// "00" when the first four delay lines are all 0 (missing ones count as 0),
// "01" + value when they are all the same other value, else "10".
QString HeaderFromDelays(const std::array<int, 4>& firstDelays)
{
    const bool allEqual = std::all_of(firstDelays.begin(), firstDelays.end(),
                                      [&](int ms) { return ms == firstDelays[0]; });
    if (allEqual && firstDelays[0] == 0)
        return DelayHeaderLine({DelayMode::None, 0});
    if (allEqual)
        return DelayHeaderLine({DelayMode::Default, firstDelays[0]});
    return DelayHeaderLine({DelayMode::Record, 0});
}

}  // namespace

MacroScript MacroBufToScript(const MacroRecord& record)
{
    MacroScript script;
    script.releaseMode = record[0] == static_cast<Byte>(ReleaseMode::Stop) ? ReleaseMode::Stop
                                                                          : ReleaseMode::Continue;
    const int length = record[1];
    if (length == 0 || length > kMaxLengthByte)
        return script;

    std::array<int, 4> firstDelays{};
    int delayLines = 0;
    // Steps are bytes 2..length; length <= 222 keeps every read below 224.
    int position = 2;
    while (position <= length) {
        const Byte code = record[position];
        const bool hasOperand = position + 1 <= length;
        if (code == kDelay && hasOperand) {
            int ms = 0;
            for (int taken = 0; taken < kDelayStepsPerLine && position + 1 <= length &&
                                record[position] == kDelay;
                 ++taken) {
                ms += record[position + 1] * kDelayUnitMs;
                position += 2;
            }
            if (delayLines < static_cast<int>(firstDelays.size()))
                firstDelays[delayLines] = ms;
            ++delayLines;
            script.lines.append(QStringLiteral("0 ") + QString::number(ms));
            continue;
        }
        const DecodedStep step = DecodeStep(code, hasOperand ? record[position + 1] : 0, hasOperand);
        script.lines.append(step.line);
        position += step.size;
    }
    script.lines[0] = HeaderFromDelays(firstDelays);
    return script;
}

}  // namespace orvex
