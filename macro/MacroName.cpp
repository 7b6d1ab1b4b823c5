#include "macro/MacroName.h"

#include <algorithm>

namespace orvex {

QString DecodeMacroName(const MacroNameField& field)
{
    QString name;
    for (int unit = 0; unit < kMacroNameUnits; ++unit) {
        const char16_t code = static_cast<char16_t>((field[2 * unit] << 8) | field[2 * unit + 1]);
        if (code == 0)
            break;
        name.append(QChar(code));
    }
    return name;
}

MacroNameField EncodeMacroName(const QString& name)
{
    MacroNameField field{};
    int units = std::min<int>(name.size(), kMacroNameUnits);
    // Half a surrogate pair would decode to a broken character.
    if (units == kMacroNameUnits && units < name.size() && name.at(units - 1).isHighSurrogate())
        --units;
    for (int unit = 0; unit < units; ++unit) {
        const char16_t code = name.at(unit).unicode();
        field[2 * unit] = static_cast<Byte>(code >> 8);
        field[2 * unit + 1] = static_cast<Byte>(code & 0xFF);
    }
    return field;
}

bool IsEmptyDeviceName(const MacroNameField& field)
{
    return (field[0] == 0x00 && field[1] == 0x00) || (field[0] == 0xFF && field[1] == 0xFF);
}

bool IsEmptyLibraryName(const MacroNameField& field)
{
    return field[0] == 0x00 && field[1] == 0x00;
}

}  // namespace orvex
