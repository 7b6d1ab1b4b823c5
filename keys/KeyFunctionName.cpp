#include "keys/KeyFunctionName.h"

#include "keys/KeyCatalogue.h"
#include "keys/KeyFunctionCode.h"
#include "keys/KeyboardTables.h"

namespace orvex {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr Byte kTypeKeyboard = 0x02;
constexpr Byte kTypeDeviceMacro = 0x06;
constexpr Byte kTypeFireMacro = 0x0C;
constexpr Byte kTypeDeviceMacroUntilRelease = 0x0E;

constexpr auto kAimKeyNameId = "Str222"_L1;

struct ModifierPrefix {
    Byte bit;
    QLatin1StringView text;
};

// Always written in this order, whatever order the keys were pressed in.
constexpr ModifierPrefix kModifierPrefixes[] = {
    {0x01, "Ctrl+"_L1},
    {0x02, "Shift+"_L1},
    {0x04, "Alt+"_L1},
    {0x08, "Win+"_L1},
};

// Device macro slot k lives at EEPROM address 0x0k21.
constexpr int DeviceMacroSlotAddress(int slotIndex)
{
    return ((slotIndex + 1) << 8) | 0x21;
}

QString KeyboardCodeName(Byte modifiers, Byte usage)
{
    QString name;
    for (const ModifierPrefix& prefix : kModifierPrefixes) {
        if (modifiers & prefix.bit)
            name += prefix.text;
    }
    if (usage != 0)
        name += KeyUsageName(usage);
    return name;
}

QString DeviceMacroCodeName(int address, const DeviceMacroNames& deviceMacroNames)
{
    for (int slot = 0; slot < int(deviceMacroNames.size()); ++slot) {
        if (address == DeviceMacroSlotAddress(slot))
            return deviceMacroNames[slot];
    }
    return {};
}

}  // namespace

bool IsCodeText(const QString& text)
{
    if (text.size() != 6)
        return false;
    for (const QChar c : text) {
        const bool digit = c >= u'0' && c <= u'9';
        const bool upperHex = c >= u'A' && c <= u'F';
        if (!digit && !upperHex)
            return false;
    }
    return true;
}

bool IsAimKeyCode(const QString& codeText)
{
    return IsCodeText(codeText) && codeText.startsWith("0A"_L1);
}

QString KeyFunctionName(const QString& codeText, const LanguageTable& language,
                        const DeviceMacroNames& deviceMacroNames)
{
    // Codes are kept as upper-case text; anything else is not a code and has
    // no name, even if its digits would read as one.
    if (!IsCodeText(codeText))
        return {};

    if (const CatalogueItem* row = CatalogueItemForCode(codeText))
        return language.text(row->nameId);

    if (IsAimKeyCode(codeText))
        return language.text(kAimKeyNameId);

    const KeyFunctionCode code = *CodeBytes(codeText);
    switch (code[0]) {
    case kTypeKeyboard:
        return KeyboardCodeName(code[1], code[2]);
    case kTypeDeviceMacro:
    case kTypeDeviceMacroUntilRelease:
        return DeviceMacroCodeName((code[1] << 8) | code[2], deviceMacroNames);
    case kTypeFireMacro: {
        const QString nameId = FireMacroNameId(codeText);
        return nameId.isEmpty() ? QString() : language.text(nameId);
    }
    default:
        return {};
    }
}

}  // namespace orvex
