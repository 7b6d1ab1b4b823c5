#include "app/Navigation.h"

#include <QRadioButton>

#include "app/Configurator.h"
#include "app/MainWindow.h"
#include "keys/KeyLabels.h"
#include "ui/SkinApplier.h"
#include "ui/SkinLabel.h"
#include "ui/SkinPicture.h"

namespace orvex {
namespace {

constexpr int kMenuPanelHeight = 170;

}  // namespace

Navigation::Navigation(MainWindow& window, Configurator& state, Context context, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_state(state)
    , m_context(std::move(context))
{
    const std::pair<const char*, CurrentPage> buttons[] = {
        {"Main", CurrentPage::ModeA},     {"Second", CurrentPage::ModeB}, {"Adv", CurrentPage::Advanced},
        {"Breath", CurrentPage::Lighting}, {"Macro", CurrentPage::Macro}, {"Engineer", CurrentPage::Engineer},
    };
    for (const auto& [name, page] : buttons) {
        for (int copy = 1; copy <= 4; ++copy) {
            const QString labelName = QStringLiteral("Btn_%1_%2").arg(QLatin1String(name)).arg(copy);
            if (auto* label = window.findChild<SkinLabel*>(labelName))
                connect(label, &SkinLabel::clicked, this, [this, page = page] { OpenPage(page); });
        }
    }
}

void Navigation::MarkPage(CurrentPage page)
{
    m_state.SetPage(page);
    if (auto* marker = m_window.findChild<QRadioButton*>(PageMarkerName(page)))
        marker->setChecked(true);
}

void Navigation::ButtonTypeB_1IconInit()
{
    for (const char* name : {"Main", "Second", "Adv", "Breath", "Macro", "Engineer", "Save", "Load"})
        SetPictureCopies(&m_window, QLatin1String(name), QStringLiteral("SetS_01"));
}

void Navigation::ShowPageContainer(CurrentPage page)
{
    m_window.ShowOnlyPage(PageContainerNumber(page));
    if (page == CurrentPage::Macro) {
        // The macro page shows its delay box, or the insert box while an
        // insertion is being prepared.
        const bool inserting = m_context.insertBoxActive && m_context.insertBoxActive();
        for (const char* name : {"Gb_Insert", "Img_InsertBase"}) {
            if (QWidget* w = m_window.findChild<QWidget*>(QLatin1String(name)))
                w->setVisible(inserting);
        }
        if (QWidget* delay = m_window.findChild<QWidget*>(QStringLiteral("Gb_Delay")))
            delay->setVisible(!inserting);
    }
}

void Navigation::OpenPage(CurrentPage page)
{
    if (!m_context.deviceOpen()) {
        m_context.showMessage(QStringLiteral("Str020"));
        return;
    }
    if (m_state.NoDevicePage())
        return;
    m_context.hideAllMenus();
    ButtonTypeB_1IconInit();
    MarkPage(page);

    const auto menuHeights = [this] {
        for (const char* panel : {"Pnl_Main", "Pnl_Special"}) {
            if (QWidget* w = m_window.findChild<QWidget*>(QLatin1String(panel)))
                w->resize(w->width(), kMenuPanelHeight);
        }
    };
    SettingsModel settings = m_state.Settings();
    switch (page) {
    case CurrentPage::ModeA:
    case CurrentPage::ModeB:
        // The tab chooses the key mode written to the mouse.
        settings.keyMode = page == CurrentPage::ModeA ? 0 : 1;
        m_state.SetSettings(settings);
        menuHeights();
        m_window.FitWindowToSkin();
        if (page == CurrentPage::ModeA)
            RefreshProfile1Keys(&m_window, m_state);
        else
            RefreshProfile2Keys(&m_window, m_state);
        break;
    case CurrentPage::Advanced:
    case CurrentPage::Lighting:
    case CurrentPage::Macro:
        m_window.FitWindowToSkin();
        break;
    case CurrentPage::Engineer:
        menuHeights();
        m_window.FitWindowToEngineerPage();
        if (m_context.refreshEngineerRows)
            m_context.refreshEngineerRows();
        break;
    }
    ShowPageContainer(page);
    SetPictureCopies(&m_window, PageButtonName(page), QStringLiteral("SetS_03"));
    LoadPagePanel(&m_window, m_state.LanguageNumber(), page);
}

void Navigation::RefreshAPPage()
{
    if (m_state.NoDevicePage()) {
        m_window.ShowOnlyPage(1);
        return;
    }
    ShowPageContainer(m_state.Page());
}

}  // namespace orvex
