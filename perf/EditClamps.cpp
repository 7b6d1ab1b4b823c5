#include "perf/EditClamps.h"

#include <algorithm>

namespace orvex {
namespace {

bool AllDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

}  // namespace

std::optional<QString> ClampedEditText(const QString& text, const EditClampRule& rule, EditPhase phase)
{
    if (text.isEmpty() || !AllDigits(text))
        return QString::number(rule.emptyValue);

    // Digits only, so a failed conversion can only mean a number too large
    // for an int, which is above every maximum.
    bool fits = false;
    const int value = text.toInt(&fits);
    if (!fits || value > rule.maximum)
        return QString::number(rule.maximum);
    if (value < rule.minimum) {
        if (phase == EditPhase::Typing && rule.keptWhileTyping == value)
            return std::nullopt;
        return QString::number(rule.minimum);
    }
    return std::nullopt;
}

}  // namespace orvex
