#include "macro/StepEditFilters.h"

#include "keys/KeyFunctionCode.h"
#include "keys/KeyboardHookKey.h"
#include "keys/KeyboardTables.h"
#include "macro/MacroStepCodes.h"

#include <algorithm>

namespace orvex {
namespace {

struct ValueRange {
    int lowest;
    int highest;
};

constexpr ValueRange kMoveRange{-128, 127};
constexpr ValueRange kRepeatRange{1, 255};
constexpr ValueRange kDelayRange{0, macro_step::kLongestDelayMs};

// More digits than this are far outside every range; stopping there keeps
// the conversion from overflowing on pasted text.
constexpr int kSignificantDigits = 9;

// The digits of text as a number held to range; no digits reads as 0.
int ClampedDigits(const QString& digits, bool negative, ValueRange range)
{
    QString significant = digits;
    while (significant.size() > 1 && significant.startsWith(QLatin1Char('0')))
        significant.remove(0, 1);
    long long value = significant.size() > kSignificantDigits ? 1'000'000'000LL
                                                              : significant.toLongLong();
    if (negative)
        value = -value;
    return int(std::clamp<long long>(value, range.lowest, range.highest));
}

QString DigitsOf(const QString& text)
{
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    return digits;
}

}  // namespace

QString FilterDelayText(const QString& text)
{
    const QString digits = DigitsOf(text);
    if (digits.isEmpty())
        return QStringLiteral("0");
    return QString::number(ClampedDigits(digits, false, kDelayRange));
}

QString FilterStepValueText(const QString& text, StepEditKind kind)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QString digits = DigitsOf(text);
    if (digits.isEmpty())
        return negative ? QStringLiteral("-") : QStringLiteral("0");
    const ValueRange range = kind == StepEditKind::RepeatStart ? kRepeatRange : kMoveRange;
    return QString::number(ClampedDigits(digits, negative, range));
}

QString ConfirmedStepValueText(const QString& text)
{
    return text == QStringLiteral("-") ? QString() : text;
}

QString StepKeyText(int virtualKey, StepEditKind kind)
{
    const Byte step = kind == StepEditKind::KeyRelease ? macro_step::kKeyRelease : macro_step::kKeyPress;
    return VirtualKeyName(virtualKey) + QStringLiteral(" CODE:") + HexByte(step)
           + HexByte(VirtualKeyToUsage(virtualKey));
}

}  // namespace orvex
