#include "app/WindowController.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSystemTrayIcon>

#include "app/Configurator.h"
#include "app/LoadingForm.h"
#include "app/MacroNaming.h"
#include "app/MainWindow.h"
#include "app/Messages.h"
#include "app/Navigation.h"
#include "app/SkinnedPage.h"
#include "config/FactoryImages.h"
#include "keys/FunctionMenus.h"
#include "keys/KeyLabels.h"
#include "perf/EngineerPage.h"
#include "ui/ButtonFamilies.h"
#include "ui/LanguageApplier.h"
#include "ui/LayoutResource.h"
#include "ui/SkinApplier.h"
#include "ui/SkinLabel.h"
#include "ui/SkinPicture.h"
#include "ui/SkinPictures.h"

namespace orvex {
namespace {

QColor ToColour(const Rgb& rgb)
{
    return QColor(qBound(0, rgb.r, 255), qBound(0, rgb.g, 255), qBound(0, rgb.b, 255));
}

}  // namespace

WindowController::WindowController(MainWindow& window, Configurator& state, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_state(state)
{
    ButtonFamilies::Context families;
    families.captionRolling = [this] { return m_state.Skin().captionRolling; };
    families.noDevicePage = [this] { return m_state.NoDevicePage(); };
    families.deviceOpen = [this] { return m_deviceOpen; };
    families.currentPageButton = [this] { return PageButtonName(m_state.Page()); };
    families.languageNumber = [this] { return m_state.LanguageNumber(); };
    families.listButtonText = [this] { return ToColour(m_state.Skin().macroListText); };
    families.listButtonBackground = [this] { return ToColour(m_state.Skin().macroButtonBackground); };
    families.webEnabled = [this] { return m_state.Skin().webEnabled; };
    families.webAddress = [this] { return m_state.Skin().webAddress; };
    families.openUrl = [this](const QUrl& address) { m_openUrl(address); };
    m_openUrl = [](const QUrl& address) { QDesktopServices::openUrl(address); };
    m_families = std::make_unique<ButtonFamilies>(&window, families);

    Navigation::Context pages;
    pages.deviceOpen = [this] { return m_deviceOpen; };
    pages.hideAllMenus = [this] { HideAllMenus(); };
    pages.showMessage = [this](const QString& key) { ShowMessageKey(&m_window, m_state, key); };
    pages.refreshEngineerRows = [this] { ShowEngineerRows(); };
    m_navigation = std::make_unique<Navigation>(window, state, pages);

    m_loading = std::make_unique<LoadingForm>();
    m_naming = std::make_unique<MacroNaming>(window, state);
    ConnectWindowButtons();
    ConnectEngineerPage();
}

void WindowController::ConnectEngineerPage()
{
    EngineerPage* page = m_window.Engineer();
    const std::pair<void (EngineerPage::*)(), CurrentPage> pageButtons[] = {
        {&EngineerPage::mainPageClicked, CurrentPage::ModeA},
        {&EngineerPage::switchPageClicked, CurrentPage::ModeB},
        {&EngineerPage::advancedPageClicked, CurrentPage::Advanced},
        {&EngineerPage::lightPageClicked, CurrentPage::Lighting},
        {&EngineerPage::macroPageClicked, CurrentPage::Macro},
        {&EngineerPage::engineerPageClicked, CurrentPage::Engineer},
    };
    for (const auto& [signal, target] : pageButtons)
        connect(page, signal, this, [this, target = target] { m_navigation->OpenPage(target); });
    connect(page, &EngineerPage::closeClicked, &m_window, &QWidget::close);
    connect(page, &EngineerPage::dragPressed, this, [this] {
        HideAllMenus();
        m_window.BeginDrag();
    });
    // The engineer controls are what gets packed: their edits go to the state,
    // and what other pages change in the state comes back to them.
    connect(page, &EngineerPage::controlEdited, this, [this, page] {
        m_editingEngineerPage = true;
        m_state.SetSettings(page->ReadSettings());
        m_editingEngineerPage = false;
    });
    connect(&m_state, &Configurator::settingsChanged, this, [this, page] {
        if (!m_editingEngineerPage)
            page->ShowSettings(m_state.Settings());
    });
}

void WindowController::ShowEngineerRows()
{
    std::array<QString, 9> modeA;
    std::array<QString, 9> modeB;
    for (int k = 0; k < 9; ++k) {
        modeA[k] = m_state.KeyFunctionName(m_state.Codes().modeA[k]);
        modeB[k] = m_state.KeyFunctionName(m_state.Codes().modeB[k]);
    }
    m_window.Engineer()->ShowKeyNames(modeA, modeB);
}

WindowController::~WindowController() = default;

void WindowController::ConnectWindowButtons()
{
    for (int copy = 1; copy <= 4; ++copy) {
        const auto label = [&](const char* name) {
            return m_window.findChild<SkinLabel*>(QStringLiteral("Btn_%1_%2").arg(QLatin1String(name)).arg(copy));
        };
        connect(label("Exit"), &SkinLabel::clicked, &m_window, &QWidget::close);
        connect(label("Mini"), &SkinLabel::clicked, &m_window, &QWidget::showMinimized);
        for (int language = 1; language <= 3; ++language) {
            connect(m_window.findChild<SkinLabel*>(QStringLiteral("Btn_Lang%1_%2").arg(language).arg(copy)),
                    &SkinLabel::clicked, this, [this, language] { SwitchLanguage(language); });
        }
        // Dragging the borderless window by any mouse button on a page background.
        SkinPicture* background = m_window.Page(copy)->Background();
        connect(background, &SkinPicture::pressed, this, [this](QMouseEvent*) {
            HideAllMenus();
            m_window.BeginDrag();
        });
    }
}

void WindowController::ShowError(const QString& text)
{
    ShowMessage(&m_window, m_state, text);
}

void WindowController::HideAllMenus()
{
    for (const FunctionMenuPanel& panel : FunctionMenuPanels()) {
        if (QWidget* w = m_window.findChild<QWidget*>(QLatin1String(panel.panel)))
            w->hide();
    }
    for (const char* name : {"LB_Name", "Pnl_PCMacro", "Pnl_DevContent"}) {
        if (QWidget* w = m_window.findChild<QWidget*>(QLatin1String(name)))
            w->hide();
    }
}

bool WindowController::ApplyAppearance()
{
    try {
        ApplySkinLayout(&m_window, m_state.LanguageNumber(), m_state.Page(), m_state.Skin());
        ApplyLanguage(&m_window, m_state.Language(), m_state.AllLanguages());
        return true;
    } catch (const LayoutError& error) {
        ShowError(QString::fromUtf8(error.what()));
    } catch (const ResourceError& error) {
        ShowError(error.message());
    }
    return false;
}

void WindowController::SwitchLanguage(int number)
{
    for (int language = 1; language <= 3; ++language)
        SetPictureCopies(&m_window, QStringLiteral("Lang%1").arg(language),
                      language == number ? QStringLiteral("SetS_03") : QStringLiteral("SetS_01"));
    if (auto* marker = m_window.findChild<QRadioButton*>(QStringLiteral("rb_Lang%1").arg(number)))
        marker->setChecked(true);
    auto* insertActions = m_window.findChild<QComboBox*>(QStringLiteral("CB_Insert"));
    const int insertAction = insertActions ? insertActions->currentIndex() : -1;
    if (QWidget* delay = m_window.findChild<QWidget*>(QStringLiteral("Gb_Delay")))
        delay->hide();

    m_state.SetLanguageNumber(number);
    ApplyAppearance();

    if (insertActions)
        insertActions->setCurrentIndex(insertAction);
    m_navigation->RefreshAPPage();
    m_families->ResetRolling(m_window.findChild<SkinLabel*>(QStringLiteral("Btn_Lang%1_1").arg(number)));
}

void WindowController::ShowImage()
{
    EngineerPage* page = m_window.Engineer();
    page->ShowSettings(m_state.Settings());
    page->ShowAimCpiIndex(m_state.AimCpiIndex());
    ShowEngineerRows();
    ShowKeyModeOfImage(&m_window, m_state);
}

void WindowController::RefreshErrorAP()
{
    for (const char* list : {"LB_MacroName", "LB_macro"}) {
        if (auto* w = m_window.findChild<QListWidget*>(QLatin1String(list)))
            w->clear();
    }
    m_state.TakeOverImage(LoadFactoryImage(1));
    ShowImage();
    m_state.SetNoDevicePage(true);
    m_window.ShowOnlyPage(1);
    SetPictureCopies(&m_window, QStringLiteral("Main"), QStringLiteral("SetS_03"));
    for (const char* tab : {"Second", "Adv", "Breath", "Macro", "Engineer"})
        SetPictureCopies(&m_window, QLatin1String(tab), QStringLiteral("SetS_01"));
}

void WindowController::Start()
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_tray = new QSystemTrayIcon(QIcon(QStringLiteral(":/skin/AppIcon.png")), this);
        m_tray->show();
    }
    try {
        // The window takes the size of the skin background.
        const QPixmap background = SkinPixmap(QStringLiteral("L1_BackGround"));
        m_window.Page(1)->Background()->SetPicture(QStringLiteral("L1_BackGround"));
        m_window.SetBackgroundSize(background.size());
        m_window.FitWindowToSkin();
        m_window.CentreOnScreen();
        m_window.ShapeToPicture(background);
        m_window.ShowOnlyPage(1);

        LoadSkinImages(&m_window, m_state.Page());
        LoadGeneralSection(&m_window, m_state.Skin());
    } catch (const LayoutError& error) {
        ShowError(QString::fromUtf8(error.what()));
    } catch (const ResourceError& error) {
        ShowError(error.message());
    }
    const LibraryOutcome library = m_state.LoadLibrary();
    if (!library.Succeeded())
        ShowError(library.errorText);
    m_state.SetEngineerLanguage(TermLanguageForLocale(QLocale::system()));
    m_window.Engineer()->ApplyEngineerCaptions(m_state.EngineerLanguage());

    m_state.SetLanguageNumber(1);
    ApplyAppearance();
    for (const char* list : {"LB_PCMacroName", "LB_MacroName", "LB_macro", "LB_Name"}) {
        if (auto* w = m_window.findChild<QListWidget*>(QLatin1String(list)))
            w->setStyleSheet(QStringLiteral("QListWidget::item { height: %1px; }").arg(m_state.Skin().macroNameHeight));
    }
    m_window.LockPages();
    RefreshErrorAP();
    SwitchLanguage(1);
    m_window.update();
}

}  // namespace orvex
