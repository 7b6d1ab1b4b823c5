#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

#include "device/DeviceBackend.h"
#include "device/FlowOutcome.h"

namespace orvex {

class Configurator;
class DeviceThread;
class MainWindow;
class WindowController;

// The mouse on the window: the supervision timer DevTimer, what its steps
// mean for the window (the no-device state, the messages, the full read),
// and the device buttons (Read, Apply, Confirm, the three restores, Save
// and Load Profile) with their prelude, page locks and loading form. The
// flows run on the device thread.
class DeviceController : public QObject {
    Q_OBJECT

public:
    // Chooses the file for Save (save == true) or Load Profile; empty when
    // the user cancels. Tests replace the dialogs with it.
    using FileChooser = std::function<QString(bool save)>;

    DeviceController(MainWindow& window, Configurator& state, WindowController& controller,
                     std::unique_ptr<DeviceBackend> backend, std::unique_ptr<Clock> clock,
                     QObject* parent = nullptr);
    ~DeviceController() override;

    // DevTimer starts: its first step comes one interval later.
    void Start();

    void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    // Milliseconds the Apply/Confirm/restore buttons wait with the pressed
    // picture before they look for the mouse (110).
    void SetPreludeMs(int ms) { m_preludeMs = ms; }

    bool DeviceOpen() const { return m_deviceOpen; }
    bool FlowRunning() const { return m_flowRunning; }
    QTimer& DevTimer() { return m_devTimer; }
    // The backend, for tests that reach the simulated mouse; only touch it
    // while no flow runs.
    DeviceBackend& Backend() { return *m_backend; }

    // The button handlers (also bound to the skinned buttons).
    void ReadButton();
    void ApplyButton(bool thenClose);
    void RestoreButton(int factoryImage);
    void SaveProfileButton();
    void LoadProfileButton();
    // The engineer page's restore-defaults and macro-area import buttons.
    void DefaultButton();
    void ImportMacroAreaButton();

    // One supervision step, as DevTimer runs it.
    void SupervisionStep();

Q_SIGNALS:
    // A flow (or supervision step) ended; tests wait for it.
    void flowFinished();

private:
    void ConnectButtons();
    // The button prelude: pressed picture, the wait, then next() when a mouse
    // is open, else Str020.
    void Prelude(const QString& pressedButton, bool wait, std::function<void()> next);
    void BeginFlow();
    void EndFlow();
    void RunFlow(std::function<FlowOutcome(DeviceBackend&, const FlowProgress&)> flow,
                 std::function<void(const FlowOutcome&)> done);
    void ShowOutcomeMessage(FlowMessage message);
    void DeviceLost();
    void StartFullRead();
    void ShowLoadedPages(const ImageBuffer& image);
    void ShowIdentityMessage(const QString& key);

    MainWindow& m_window;
    Configurator& m_state;
    WindowController& m_controller;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<DeviceBackend> m_backend;
    std::unique_ptr<DeviceThread> m_thread;
    QTimer m_devTimer;
    FileChooser m_chooseFile;
    int m_preludeMs = 110;
    bool m_deviceOpen = false;
    bool m_flowRunning = false;
    bool m_supervising = false;
};

}  // namespace orvex
