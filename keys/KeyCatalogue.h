#pragma once

#include <QLatin1StringView>
#include <QString>

#include <span>

namespace orvex {

// One function the assignment menus can give a button.
struct CatalogueItem {
    QLatin1StringView panel;     // menu panel holding the item ("Pnl_MseKey"); empty if none
    QLatin1StringView item;      // the item's control name ("Key_Left"); empty if none
    int tag;                     // the integer the menu item carries
    QLatin1StringView codeText;  // fixed code; empty for the AIM key, whose code is built
    QLatin1StringView nameId;    // language-table id of the function's name ("Str210")
};

// The tag of the AIM key item, whose code carries the current AIM CPI index.
inline constexpr int kAimKeyTag = 1002;

// The highest AIM CPI index: the CPI value list has eleven entries.
inline constexpr int kMaxAimCpiIndex = 10;

// Every catalogue row, in menu order, including tag 1003 ("0D0000") that no
// menu item shows.
std::span<const CatalogueItem> KeyCatalogue();

// The row carrying tag, or nullptr when no row does.
const CatalogueItem* CatalogueItemForTag(int tag);

// The row whose fixed code equals codeText exactly (upper-case text), or
// nullptr. The AIM key row has no fixed code and is never found here.
const CatalogueItem* CatalogueItemForCode(const QString& codeText);

// The code a menu item assigns. Tag 1002 builds "0A" + the AIM index as two
// hex digits + "00", the index clamped to 0..10; an unknown tag gives the
// empty text.
QString CodeForMenuItem(int tag, int aimCpiIndex);

// A fire macro code (type 0x0C) and the language-table id of its name.
struct FireMacroName {
    QLatin1StringView codeText;
    QLatin1StringView nameId;
};

// Every fire macro code that has a name id.
std::span<const FireMacroName> FireMacroNames();

// The name id of a fire macro code ("0C0607" → "Str605"), or the empty text.
QString FireMacroNameId(const QString& codeText);

}  // namespace orvex
