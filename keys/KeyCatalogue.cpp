#include "keys/KeyCatalogue.h"

#include "keys/KeyFunctionCode.h"

#include <algorithm>

namespace orvex {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr CatalogueItem kCatalogue[] = {
    {"Pnl_MseKey"_L1, "Key_Left"_L1, 900, "010100"_L1, "Str210"_L1},
    {"Pnl_MseKey"_L1, "Key_Right"_L1, 901, "010200"_L1, "Str211"_L1},
    {"Pnl_MseKey"_L1, "Key_Middle"_L1, 902, "010400"_L1, "Str212"_L1},
    {"Pnl_MseKey"_L1, "Key_B4"_L1, 903, "010800"_L1, "Str213"_L1},
    {"Pnl_MseKey"_L1, "Key_B5"_L1, 904, "011000"_L1, "Str214"_L1},
    // The fire key runs the fire key section at 0x00F0 like a device macro.
    {"Pnl_Special"_L1, "Key_Fire"_L1, 1000, "0600F0"_L1, "Str220"_L1},
    {"Pnl_Special"_L1, "Key_LEDSwitch"_L1, 1001, "090000"_L1, "Str221"_L1},
    {"Pnl_Special"_L1, "Key_AIMKey"_L1, kAimKeyTag, {}, "Str222"_L1},
    // A function the firmware knows but no menu offers; it still has a name id.
    {{}, {}, 1003, "0D0000"_L1, "Str223"_L1},
    {"Pnl_Special"_L1, "Key_KeyOff"_L1, 1004, "000000"_L1, "Str224"_L1},
    {"Pnl_Special"_L1, "Key_KeyMode"_L1, 1005, "0F0000"_L1, "Str225"_L1},
    {"Pnl_Special"_L1, "Key_LEDMode"_L1, 1006, "100000"_L1, "Str226"_L1},
    {"Pnl_CPIKey"_L1, "Key_CPI"_L1, 2000, "050000"_L1, "Str231"_L1},
    {"Pnl_CPIKey"_L1, "Key_CPII"_L1, 2001, "070000"_L1, "Str232"_L1},
    {"Pnl_CPIKey"_L1, "Key_CPID"_L1, 2002, "080000"_L1, "Str233"_L1},
    {"Pnl_MyPC"_L1, "Key_Computer"_L1, 1100, "030194"_L1, "Str240"_L1},
    {"Pnl_MyPC"_L1, "Key_Calculator"_L1, 1101, "030192"_L1, "Str241"_L1},
    {"Pnl_MyPC"_L1, "Key_EMail"_L1, 1102, "03018A"_L1, "Str242"_L1},
    // Win+D: a keyboard code, but named as a function of its own.
    {"Pnl_MyPC"_L1, "Key_Desktop"_L1, 1103, "020807"_L1, "Str243"_L1},
    {"Pnl_Media"_L1, "Key_PlayPause"_L1, 1300, "0300CD"_L1, "Str250"_L1},
    {"Pnl_Media"_L1, "Key_Stop"_L1, 1301, "0300B7"_L1, "Str251"_L1},
    {"Pnl_Media"_L1, "Key_PreviousTrack"_L1, 1302, "0300B6"_L1, "Str252"_L1},
    {"Pnl_Media"_L1, "Key_NextTrack"_L1, 1303, "0300B5"_L1, "Str253"_L1},
    {"Pnl_Media"_L1, "Key_VolumePlus"_L1, 1304, "0300E9"_L1, "Str254"_L1},
    {"Pnl_Media"_L1, "Key_VolumeMinus"_L1, 1305, "0300EA"_L1, "Str255"_L1},
    {"Pnl_Media"_L1, "Key_Mute"_L1, 1306, "0300E2"_L1, "Str256"_L1},
    {"Pnl_WWW"_L1, "Key_WWWHome"_L1, 1400, "030223"_L1, "Str260"_L1},
    {"Pnl_WWW"_L1, "Key_WWWSearch"_L1, 1401, "030221"_L1, "Str261"_L1},
    {"Pnl_WWW"_L1, "Key_WWWBack"_L1, 1402, "030224"_L1, "Str262"_L1},
    {"Pnl_WWW"_L1, "Key_WWWForward"_L1, 1403, "030225"_L1, "Str263"_L1},
    {"Pnl_WWW"_L1, "Key_WWWStop"_L1, 1404, "030226"_L1, "Str264"_L1},
    {"Pnl_WWW"_L1, "Key_WWWRefresh"_L1, 1405, "030227"_L1, "Str265"_L1},
    {"Pnl_WWW"_L1, "Key_WWWFavorites"_L1, 1406, "03022A"_L1, "Str266"_L1},
};

// Fire macros come only from images written elsewhere; no menu makes them.
constexpr FireMacroName kFireMacroNames[] = {
    {"0C0101"_L1, "Str600"_L1}, {"0C0202"_L1, "Str601"_L1}, {"0C0303"_L1, "Str602"_L1},
    {"0C0404"_L1, "Str603"_L1}, {"0C0505"_L1, "Str604"_L1}, {"0C0606"_L1, "Str605"_L1},
    {"0C0607"_L1, "Str605"_L1}, {"0C0808"_L1, "Str606"_L1}, {"0C0809"_L1, "Str606"_L1},
    {"0C080A"_L1, "Str606"_L1},
};

}  // namespace

std::span<const CatalogueItem> KeyCatalogue()
{
    return kCatalogue;
}

const CatalogueItem* CatalogueItemForTag(int tag)
{
    const auto it = std::find_if(std::begin(kCatalogue), std::end(kCatalogue),
                                 [tag](const CatalogueItem& row) { return row.tag == tag; });
    return it == std::end(kCatalogue) ? nullptr : &*it;
}

const CatalogueItem* CatalogueItemForCode(const QString& codeText)
{
    // The AIM row's code is empty; an empty text must not find it.
    if (codeText.isEmpty())
        return nullptr;
    const auto it = std::find_if(std::begin(kCatalogue), std::end(kCatalogue),
                                 [&codeText](const CatalogueItem& row) {
                                     return row.codeText == codeText;
                                 });
    return it == std::end(kCatalogue) ? nullptr : &*it;
}

QString CodeForMenuItem(int tag, int aimCpiIndex)
{
    if (tag == kAimKeyTag) {
        // An index beyond the CPI value list would make the mouse read past
        // it; an unset selection (-1) or a stray value is pulled into range.
        const int index = std::clamp(aimCpiIndex, 0, kMaxAimCpiIndex);
        return QStringLiteral("0A") + HexByte(index) + QStringLiteral("00");
    }
    const CatalogueItem* row = CatalogueItemForTag(tag);
    return row ? QString(row->codeText) : QString();
}

std::span<const FireMacroName> FireMacroNames()
{
    return kFireMacroNames;
}

QString FireMacroNameId(const QString& codeText)
{
    for (const FireMacroName& row : kFireMacroNames) {
        if (row.codeText == codeText)
            return row.nameId;
    }
    return {};
}

}  // namespace orvex
