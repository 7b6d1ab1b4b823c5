#pragma once

#include "ui/LanguageTable.h"

#include <initializer_list>
#include <utility>

namespace orvex::testing {

// A language table holding just the given entries.
inline LanguageTable MakeLanguageTable(
    std::initializer_list<std::pair<const char*, const char*>> entries)
{
    LanguageTable table;
    for (const auto& [key, text] : entries)
        table.insert(QString::fromLatin1(key), QString::fromUtf8(text));
    return table;
}

// The function names of the shipped English table. Like every shipped
// table it has no text for Str223 and Str600 .. Str606.
inline LanguageTable EnglishFunctionNames()
{
    return MakeLanguageTable({
        {"Str200", "*"}, {"Str201", "Standard Mouse Key"}, {"Str202", "Special Key"},
        {"Str203", "Media Fn"}, {"Str204", "WWW Fn"}, {"Str205", "User-defined"},
        {"Str206", "Base Macro"}, {"Str207", "PC Fn"},
        {"Str210", "Left Key"}, {"Str211", "Right Key"}, {"Str212", "Middle Key"},
        {"Str213", "Back"}, {"Str214", "Forward"},
        {"Str220", "Fire Key"}, {"Str221", "LED Switch"}, {"Str222", "AIM Key"},
        {"Str224", "Key Off"}, {"Str225", "KB Switch Key"}, {"Str226", "LED Switch Key"},
        {"Str230", "DPI Key"}, {"Str231", "DPI Loop"}, {"Str232", "DPI +"}, {"Str233", "DPI -"},
        {"Str240", "My Computer"}, {"Str241", "Calculator"}, {"Str242", "E-Mail"},
        {"Str243", "Desktop"},
        {"Str250", "Play/Pause"}, {"Str251", "Stop"}, {"Str252", "Previous Track"},
        {"Str253", "Next Track"}, {"Str254", "Volume +"}, {"Str255", "Volume -"},
        {"Str256", "Mute"},
        {"Str260", "Home"}, {"Str261", "Search"}, {"Str262", "WWW Back"},
        {"Str263", "WWW Forward"}, {"Str264", "Stop"}, {"Str265", "Refresh"},
        {"Str266", "Favorites"},
    });
}

}  // namespace orvex::testing
