#pragma once

#include <QObject>
#include <QUrl>

#include <functional>

#include <memory>

class QSystemTrayIcon;

namespace orvex {

class ButtonFamilies;
class Configurator;
class LoadingForm;
class MacroNaming;
class MainWindow;
class Navigation;

// Wires the main window to the application state: the start-up order, the
// appearance pass and language switching, the window buttons (exit,
// minimise, drag), the page navigation and the button families. Device
// traffic is the device controller's.
class WindowController : public QObject {
    Q_OBJECT

public:
    WindowController(MainWindow& window, Configurator& state, QObject* parent = nullptr);
    ~WindowController() override;

    // The creation sequence of the main window, in its documented order.
    void Start();

    // The appearance pass for the current language: layout, then texts. A bad
    // layout key or a missing picture stops it and is shown to the user.
    bool ApplyAppearance();

    // The language buttons (Btn_Lang1_0Click .. Btn_Lang3_0Click).
    void SwitchLanguage(int number);

    // The no-device state: factory image 1 on the pages, page 1, tabs reset.
    void RefreshErrorAP();

    // Closes every pop-up menu panel (the function menus and the macro page's).
    void HideAllMenus();

    // The Key1..Key9 labels and page tabs after a whole image was taken over.
    void ShowImage();

    Navigation& Pages() const { return *m_navigation; }
    ButtonFamilies& Families() const { return *m_families; }
    LoadingForm& Loading() const { return *m_loading; }
    MacroNaming& Naming() const { return *m_naming; }

    // How a web address is opened (the desktop's browser unless replaced).
    void SetUrlOpener(std::function<void(const QUrl&)> opener) { m_openUrl = std::move(opener); }

    // Whether a mouse is open; the device controller tells.
    void SetDeviceOpen(bool open) { m_deviceOpen = open; }
    bool DeviceOpen() const { return m_deviceOpen; }

    // The engineer page's key rows from the current codes.
    void ShowEngineerRows();

private:
    void ConnectWindowButtons();
    void ConnectEngineerPage();
    void ShowError(const QString& text);

    MainWindow& m_window;
    Configurator& m_state;
    std::unique_ptr<ButtonFamilies> m_families;
    std::unique_ptr<Navigation> m_navigation;
    std::unique_ptr<LoadingForm> m_loading;
    std::unique_ptr<MacroNaming> m_naming;
    QSystemTrayIcon* m_tray = nullptr;
    bool m_deviceOpen = false;
    bool m_editingEngineerPage = false;
    std::function<void(const QUrl&)> m_openUrl;
};

}  // namespace orvex
