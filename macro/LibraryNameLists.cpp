#include "macro/LibraryNameLists.h"

#include <QListWidget>

#include "macro/MacroLibrary.h"

namespace orvex {

void RefreshPCMacroName(QWidget* window, const MacroLibrary& library)
{
    const QStringList names = library.Names();
    for (const char* name : {"LB_PCMacroName", "LB_Name"}) {
        auto* list = window->findChild<QListWidget*>(QLatin1String(name));
        if (!list)
            continue;
        list->clear();
        list->addItems(names);
    }
    if (auto* list = window->findChild<QListWidget*>(QStringLiteral("LB_PCMacroName")))
        list->scrollToBottom();
}

}  // namespace orvex
