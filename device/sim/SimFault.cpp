#include "device/sim/SimFault.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace orvex {

namespace {

const QString kSilent = QStringLiteral("silent");
const QString kNotReady = QStringLiteral("not-ready");

struct Item {
    QString name;
    QString value;
    bool hasValue = false;
};

bool IsFlagName(const QString& piece)
{
    return piece == kSilent || piece == kNotReady;
}

// Splits into items; a piece that is neither "name=value" nor a flag
// continues the value before it ("identity=3,7", "keys=1@0,0@50").
std::optional<std::vector<Item>> SplitItems(const QString& text, QString* error)
{
    std::vector<Item> items;
    static const QRegularExpression kSeparators(QStringLiteral("[;\\s]+"));
    for (const QString& segment : text.split(kSeparators, Qt::SkipEmptyParts)) {
        const QStringList pieces = segment.split(QLatin1Char(','));
        for (const QString& rawPiece : pieces) {
            const QString piece = rawPiece.trimmed();
            if (piece.isEmpty())
                continue;
            const int equals = piece.indexOf(QLatin1Char('='));
            if (equals >= 0) {
                items.push_back({piece.left(equals).trimmed().toLower(), piece.mid(equals + 1).trimmed(), true});
            } else if (IsFlagName(piece.toLower())) {
                items.push_back({piece.toLower(), {}, false});
            } else if (!items.empty() && items.back().hasValue) {
                items.back().value += QLatin1Char(',') + piece;
            } else {
                if (error)
                    *error = QStringLiteral("unknown fault \"%1\"").arg(piece);
                return std::nullopt;
            }
        }
    }
    return items;
}

std::optional<qint64> ParseNumber(const QString& text, qint64 minimum, qint64 maximum)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    qint64 value = 0;
    if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = trimmed.mid(2).toLongLong(&ok, 16);
    else
        value = trimmed.toLongLong(&ok, 10);
    if (!ok || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

QString RangeError(const Item& item, const QString& expected)
{
    return QStringLiteral("%1=%2: expected %3").arg(item.name, item.value, expected);
}

std::optional<Byte> ParseByteValue(const Item& item, QString* error)
{
    const auto value = ParseNumber(item.value, 0, 255);
    if (!value) {
        if (error)
            *error = RangeError(item, QStringLiteral("a byte (0..255 or 0x00..0xFF)"));
        return std::nullopt;
    }
    return static_cast<Byte>(*value);
}

bool ParseKeys(const Item& item, std::vector<SimKeyStep>& keys, QString* error)
{
    keys.clear();
    for (const QString& step : item.value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = step.split(QLatin1Char('@'));
        const auto bits = parts.size() == 2 ? ParseNumber(parts[0], 0, 0xFFFF) : std::nullopt;
        const auto atMs = parts.size() == 2 ? ParseNumber(parts[1], 0, qint64{1} << 40) : std::nullopt;
        if (!bits || !atMs) {
            if (error)
                *error = QStringLiteral("keys: \"%1\" is not BITS@MS (bits 0..0xFFFF, time in ms)").arg(step);
            return false;
        }
        keys.push_back({*atMs, static_cast<quint16>(*bits)});
    }
    if (keys.empty()) {
        if (error)
            *error = QStringLiteral("keys: expected BITS@MS,...");
        return false;
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const SimKeyStep& a, const SimKeyStep& b) { return a.atMs < b.atMs; });
    return true;
}

bool ApplyItem(const Item& item, SimFault& fault, QString* error)
{
    auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    if (item.name == kSilent || item.name == kNotReady) {
        if (item.hasValue)
            return fail(QStringLiteral("%1 takes no value").arg(item.name));
        (item.name == kSilent ? fault.silent : fault.notReady) = true;
        return true;
    }
    if (item.name.isEmpty())
        return fail(QStringLiteral("a fault name is missing before '=%1'").arg(item.value));
    if (item.value.isEmpty())
        return fail(QStringLiteral("%1 needs a value").arg(item.name));
    if (item.name == QLatin1String("refuse")) {
        const auto status = ParseByteValue(item, error);
        if (!status)
            return false;
        if (*status == 0x00 || *status == 0xCC)
            return fail(RangeError(item, QStringLiteral("a refusing status (0 is \"not done\", use silent; "
                                                        "0xCC is the acknowledge)")));
        fault.refuseStatus = *status;
        return true;
    }
    if (item.name == QLatin1String("chip") || item.name == QLatin1String("signature")) {
        const auto value = ParseByteValue(item, error);
        if (!value)
            return false;
        (item.name == QLatin1String("chip") ? fault.controllerCode : fault.signature) = *value;
        return true;
    }
    if (item.name == QLatin1String("identity")) {
        const QStringList parts = item.value.split(QLatin1Char(','));
        const auto vendor = parts.size() == 2 ? ParseNumber(parts[0], 0, 255) : std::nullopt;
        const auto product = parts.size() == 2 ? ParseNumber(parts[1], 0, 255) : std::nullopt;
        if (!vendor || !product)
            return fail(RangeError(item, QStringLiteral("two bytes, VENDOR,PRODUCT")));
        fault.identity = std::pair{static_cast<Byte>(*vendor), static_cast<Byte>(*product)};
        return true;
    }
    if (item.name == QLatin1String("corrupt-readback")) {
        const QString mode = item.value.toLower();
        if (mode == QLatin1String("once"))
            fault.corruptReadback = SimReadbackCorruption::Once;
        else if (mode == QLatin1String("always"))
            fault.corruptReadback = SimReadbackCorruption::Always;
        else
            return fail(RangeError(item, QStringLiteral("once or always")));
        return true;
    }
    if (item.name == QLatin1String("nak-chunk") || item.name == QLatin1String("unplug-after")
        || item.name == QLatin1String("latency")) {
        const bool isNak = item.name == QLatin1String("nak-chunk");
        const auto value = ParseNumber(item.value, isNak ? 1 : 0, 1'000'000'000);
        if (!value)
            return fail(RangeError(item, isNak ? QStringLiteral("a chunk number from 1")
                                               : QStringLiteral("a count from 0")));
        if (isNak)
            fault.nakChunk = static_cast<int>(*value);
        else if (item.name == QLatin1String("unplug-after"))
            fault.unplugAfter = static_cast<int>(*value);
        else
            fault.latencyMs = static_cast<int>(*value);
        return true;
    }
    if (item.name == QLatin1String("keys"))
        return ParseKeys(item, fault.keys, error);
    return fail(QStringLiteral("unknown fault \"%1\" (known: silent, refuse=, not-ready, chip=, signature=, "
                               "identity=, corrupt-readback=, nak-chunk=, unplug-after=, keys=, latency=)")
                    .arg(item.name));
}

QString Hex(int value)
{
    return QStringLiteral("0x") + QString::number(value, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

}  // namespace

std::optional<SimFault> ParseSimFault(const QString& text, QString* error)
{
    const auto items = SplitItems(text, error);
    if (!items)
        return std::nullopt;
    SimFault fault;
    for (const Item& item : *items) {
        if (!ApplyItem(item, fault, error))
            return std::nullopt;
    }
    return fault;
}

QString SimFaultText(const SimFault& fault)
{
    QStringList items;
    if (fault.silent)
        items << kSilent;
    if (fault.refuseStatus)
        items << QStringLiteral("refuse=") + Hex(*fault.refuseStatus);
    if (fault.notReady)
        items << kNotReady;
    if (fault.controllerCode)
        items << QStringLiteral("chip=") + Hex(*fault.controllerCode);
    if (fault.signature)
        items << QStringLiteral("signature=") + Hex(*fault.signature);
    if (fault.identity)
        items << QStringLiteral("identity=%1,%2").arg(fault.identity->first).arg(fault.identity->second);
    if (fault.corruptReadback == SimReadbackCorruption::Once)
        items << QStringLiteral("corrupt-readback=once");
    if (fault.corruptReadback == SimReadbackCorruption::Always)
        items << QStringLiteral("corrupt-readback=always");
    if (fault.nakChunk > 0)
        items << QStringLiteral("nak-chunk=%1").arg(fault.nakChunk);
    if (fault.unplugAfter >= 0)
        items << QStringLiteral("unplug-after=%1").arg(fault.unplugAfter);
    if (!fault.keys.empty()) {
        QStringList steps;
        for (const SimKeyStep& step : fault.keys)
            steps << QStringLiteral("%1@%2").arg(Hex(step.bits)).arg(step.atMs);
        items << QStringLiteral("keys=") + steps.join(QLatin1Char(','));
    }
    if (fault.latencyMs > 0)
        items << QStringLiteral("latency=%1").arg(fault.latencyMs);
    return items.join(QLatin1Char(';'));
}

}  // namespace orvex
