#include "app/MacroNaming.h"

#include <QListWidget>

#include "app/Configurator.h"
#include "app/MainWindow.h"
#include "app/Messages.h"
#include "macro/LibraryNameLists.h"
#include "macro/MacroNameDialog.h"
#include "ui/LayoutResource.h"
#include "ui/SkinLabel.h"
#include "ui/SkinPictures.h"

namespace orvex {

MacroNaming::MacroNaming(MainWindow& window, Configurator& state, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_state(state)
{
    for (const char* name : {"Btn_New", "Btn_NewMacro"}) {
        if (auto* label = window.findChild<SkinLabel*>(QLatin1String(name)))
            connect(label, &SkinLabel::clicked, this, [this] { OpenNaming(-1); });
    }
    if (auto* label = window.findChild<SkinLabel*>(QStringLiteral("Btn_NewName"))) {
        connect(label, &SkinLabel::clicked, this, [this] {
            if (SelectedRow() >= 0)
                OpenNaming(SelectedRow());
        });
    }
}

int MacroNaming::SelectedRow() const
{
    const auto* list = m_window.findChild<QListWidget*>(QStringLiteral("LB_PCMacroName"));
    return list ? list->currentRow() : -1;
}

MacroNameDialog* MacroNaming::OpenNaming(int row)
{
    if (row < 0 && m_state.Library().IsFull())
        return nullptr;
    for (const char* menu : {"Pnl_PCMacro", "Pnl_DevContent"}) {
        if (QWidget* w = m_window.findChild<QWidget*>(QLatin1String(menu)))
            w->hide();
    }
    MacroNameDialog* dialog = nullptr;
    try {
        dialog = new MacroNameDialog(m_state.LanguageNumber(), &m_window);
    } catch (const LayoutError& error) {
        ShowMessage(&m_window, m_state, QString::fromUtf8(error.what()));
        return nullptr;
    } catch (const ResourceError& error) {
        ShowMessage(&m_window, m_state, error.message());
        return nullptr;
    }
    connect(dialog, &MacroNameDialog::confirmed, this, [this, row](const QString& name) { ApplyMacroName(row, name); });
    m_slot.Replace(dialog);
    dialog->Open();
    return dialog;
}

void MacroNaming::ApplyMacroName(int row, const QString& name)
{
    MacroLibrary& library = m_state.Library();
    const LibraryOutcome outcome = row < 0 ? library.New(name) : library.Rename(row, name);
    if (outcome.status == LibraryStatus::DuplicateName) {
        ShowMessageKey(&m_window, m_state, QStringLiteral("Str106"));
        return;
    }
    if (!outcome.Succeeded())
        return;  // an empty name changes nothing
    const LibraryOutcome saved = library.Save(m_state.LibraryPath());
    RefreshPCMacroName(&m_window, library);
    if (auto* list = m_window.findChild<QListWidget*>(QStringLiteral("LB_PCMacroName")))
        list->setCurrentRow(row < 0 ? library.Count() - 1 : row);
    if (!saved.Succeeded())
        ShowMessage(&m_window, m_state, saved.errorText);
}

}  // namespace orvex
