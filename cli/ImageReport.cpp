#include "cli/ImageReport.h"

#include <QJsonArray>

#include "config/ConfigImage.h"
#include "config/ProfileCodes.h"
#include "keys/KeyFunctionName.h"
#include "macro/DeviceMacroSlots.h"
#include "macro/MacroCodec.h"
#include "macro/MacroName.h"
#include "perf/CpiValues.h"

namespace orvex::cli {
namespace {

QJsonValue CpiNumber(int index)
{
    const std::optional<int> value = CpiValue(index);
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonArray ButtonsJson(const std::array<QString, 9>& codes, const LanguageTable& language,
                       const std::array<QString, 7>& slotNames)
{
    QJsonArray buttons;
    for (const QString& code : codes) {
        buttons.append(QJsonObject{
            {QStringLiteral("code"), code},
            {QStringLiteral("name"), KeyFunctionName(code, language, slotNames)},
        });
    }
    return buttons;
}

// The AIM value as the Advanced page finds it.
QJsonValue AimCpi(const ProfileSection& profile)
{
    const std::optional<int> index = FindAimCpiIndex(profile);
    return index ? CpiNumber(*index) : QJsonValue(QJsonValue::Null);
}

QJsonArray MacrosJson(const MacroArea& area)
{
    DeviceMacroSlots slots = SplitMacroArea(area);
    CheckMacroContentBuf(slots);
    QJsonArray macros;
    for (int k = 0; k < kDeviceSlotCount; ++k) {
        if (IsEmptyDeviceName(slots.names[k])) {
            macros.append(QJsonValue(QJsonValue::Null));
            continue;
        }
        const MacroScript script = MacroBufToScript(slots.records[k]);
        macros.append(QJsonObject{
            {QStringLiteral("name"), DecodeMacroName(slots.names[k])},
            {QStringLiteral("releaseMode"), script.releaseMode == ReleaseMode::Stop
                                                ? QStringLiteral("stop")
                                                : QStringLiteral("continue")},
            {QStringLiteral("script"), QJsonArray::fromStringList(script.lines)},
        });
    }
    return macros;
}

}  // namespace

QJsonObject ImageReportJson(const ImageBuffer& image, const LanguageTable& language)
{
    ConfigImage config;
    config.buffer = image;
    const SplitReport split = config.SplitImage();
    const WorkingSections& s = config.sections;

    DeviceMacroSlots slots = SplitMacroArea(s.macroArea);
    CheckMacroContentBuf(slots);
    const std::array<QString, 7> slotNames = SlotNames(slots);
    const ProfileCodes codes = CodesFromProfile(s.profile);

    QJsonArray levels;
    for (int level = 0; level < 7; ++level)
        levels.append(CpiNumber(s.parameterA[6 + level]));

    const int ledCount = 13 - (s.parameterA[3] >> 4);
    const Byte ledState = s.parameterB[2];

    return QJsonObject{
        {QStringLiteral("marker"), int(image[layout::kImageTypeMarkerOffset])},
        {QStringLiteral("repaired"), QJsonArray::fromStringList(split.RepairedSectionNames())},
        {QStringLiteral("cpi"),
         QJsonObject{
             {QStringLiteral("count"), int(s.parameterA[2])},
             {QStringLiteral("current"), int(s.parameterB[0]) + 1},
             {QStringLiteral("levels"), levels},
             {QStringLiteral("aim"), AimCpi(s.profile)},
         }},
        {QStringLiteral("buttons"),
         QJsonObject{
             {QStringLiteral("A"), ButtonsJson(codes.modeA, language, slotNames)},
             {QStringLiteral("B"), ButtonsJson(codes.modeB, language, slotNames)},
         }},
        {QStringLiteral("fire"),
         QJsonObject{
             {QStringLiteral("shots"), int(s.fireKey[2]) + 1},
             {QStringLiteral("intervalMs"), int(s.fireKey[8]) * 8},
         }},
        {QStringLiteral("identity"),
         QJsonObject{
             {QStringLiteral("vendor"), int(s.parameterB[6])},
             {QStringLiteral("product"), int(s.parameterB[7])},
         }},
        {QStringLiteral("keyMode"), (s.parameterB[4] & 0x80) ? QStringLiteral("B") : QStringLiteral("A")},
        {QStringLiteral("led"),
         QJsonObject{
             {QStringLiteral("type"), (s.parameterA[0] & 0x80) ? QStringLiteral("simple")
                                                                : QStringLiteral("controller")},
             {QStringLiteral("count"), ledCount >= 4 && ledCount <= 13 ? QJsonValue(ledCount)
                                                                      : QJsonValue(QJsonValue::Null)},
             {QStringLiteral("on"), (ledState & 0x08) == 0},
             {QStringLiteral("mode"), ledState & 0x07},
         }},
        {QStringLiteral("macros"), MacrosJson(s.macroArea)},
    };
}

namespace {

QString ValueText(const QJsonValue& value)
{
    if (value.isNull() || value.isUndefined())
        return QStringLiteral("-");
    if (value.isDouble())
        return QString::number(value.toInt());
    if (value.isBool())
        return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    return value.toString();
}

}  // namespace

QString ImageReportText(const QJsonObject& report)
{
    QStringList out;
    const auto line = [&out](const QString& label, const QString& value) {
        out << QStringLiteral("%1 %2").arg(label + QLatin1Char(':'), -16).arg(value);
    };
    const QJsonArray repaired = report.value(QStringLiteral("repaired")).toArray();
    const int marker = report.value(QStringLiteral("marker")).toInt();
    line(QStringLiteral("Image marker"),
         QStringLiteral("0x") + QString::number(marker, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    QStringList repairedNames;
    for (const QJsonValue& name : repaired)
        repairedNames << name.toString();
    line(QStringLiteral("Repaired"), repairedNames.isEmpty() ? QStringLiteral("none")
                                                             : repairedNames.join(QStringLiteral(", ")));

    const QJsonObject cpi = report.value(QStringLiteral("cpi")).toObject();
    QStringList levels;
    for (const QJsonValue& level : cpi.value(QStringLiteral("levels")).toArray())
        levels << ValueText(level);
    line(QStringLiteral("CPI levels"), QStringLiteral("%1 in use, current %2")
                                           .arg(ValueText(cpi.value(QStringLiteral("count"))),
                                                ValueText(cpi.value(QStringLiteral("current")))));
    line(QStringLiteral("CPI values"), levels.join(QStringLiteral(" ")));
    line(QStringLiteral("AIM CPI"), ValueText(cpi.value(QStringLiteral("aim"))));

    const QJsonObject buttons = report.value(QStringLiteral("buttons")).toObject();
    for (const QString& mode : {QStringLiteral("A"), QStringLiteral("B")}) {
        out << QStringLiteral("Mode %1 buttons:").arg(mode);
        const QJsonArray list = buttons.value(mode).toArray();
        for (int i = 0; i < list.size(); ++i) {
            const QJsonObject button = list.at(i).toObject();
            out << QStringLiteral("  %1  %2  %3")
                       .arg(i + 1)
                       .arg(button.value(QStringLiteral("code")).toString(),
                            button.value(QStringLiteral("name")).toString());
        }
    }

    const QJsonObject fire = report.value(QStringLiteral("fire")).toObject();
    line(QStringLiteral("Fire key"), QStringLiteral("%1 shots, %2 ms apart")
                                         .arg(ValueText(fire.value(QStringLiteral("shots"))),
                                              ValueText(fire.value(QStringLiteral("intervalMs")))));
    const QJsonObject identity = report.value(QStringLiteral("identity")).toObject();
    line(QStringLiteral("Identity"), QStringLiteral("vendor %1, product %2")
                                         .arg(ValueText(identity.value(QStringLiteral("vendor"))),
                                              ValueText(identity.value(QStringLiteral("product")))));
    line(QStringLiteral("Key mode"), report.value(QStringLiteral("keyMode")).toString());
    const QJsonObject led = report.value(QStringLiteral("led")).toObject();
    line(QStringLiteral("LED"), QStringLiteral("%1, %2 LEDs, %3, mode %4")
                                    .arg(led.value(QStringLiteral("type")).toString(),
                                         ValueText(led.value(QStringLiteral("count"))),
                                         led.value(QStringLiteral("on")).toBool() ? QStringLiteral("on")
                                                                                : QStringLiteral("off"),
                                         ValueText(led.value(QStringLiteral("mode")))));

    out << QStringLiteral("Device macros:");
    const QJsonArray macros = report.value(QStringLiteral("macros")).toArray();
    for (int k = 0; k < macros.size(); ++k) {
        if (macros.at(k).isNull()) {
            out << QStringLiteral("  %1  (empty)").arg(k + 1);
            continue;
        }
        const QJsonObject macro = macros.at(k).toObject();
        out << QStringLiteral("  %1  %2 (release: %3)")
                   .arg(k + 1)
                   .arg(macro.value(QStringLiteral("name")).toString(),
                        macro.value(QStringLiteral("releaseMode")).toString());
        for (const QJsonValue& scriptLine : macro.value(QStringLiteral("script")).toArray())
            out << QStringLiteral("       %1").arg(scriptLine.toString());
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace orvex::cli
