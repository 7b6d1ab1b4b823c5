#include "app/DeviceController.h"

#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>

#include "app/Configurator.h"
#include "app/DeviceThread.h"
#include "app/LoadingForm.h"
#include "app/MainWindow.h"
#include "app/Messages.h"
#include "app/Navigation.h"
#include "app/WindowController.h"
#include "config/FactoryImages.h"
#include "config/ProfileFile.h"
#include "device/Flows.h"
#include "macro/LibraryNameLists.h"
#include "perf/EngineerPage.h"
#include "ui/ButtonFamilies.h"
#include "ui/SkinLabel.h"

namespace orvex {
namespace {

// What a supervision step brings back to the window.
struct SupervisionReport {
    SupervisionOutcome outcome;
    bool open = false;
};

struct FlowReport {
    FlowOutcome outcome;
    bool open = false;
};

QString DefaultChooseFile(QWidget* window, bool save)
{
    QFileDialog dialog(window);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(QStringLiteral("SaveFile(*.bin)"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(QStringLiteral("LoadFile(*.bin)"));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

}  // namespace

DeviceController::DeviceController(MainWindow& window, Configurator& state, WindowController& controller,
                                   std::unique_ptr<DeviceBackend> backend, std::unique_ptr<Clock> clock,
                                   QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_state(state)
    , m_controller(controller)
    , m_clock(std::move(clock))
    , m_backend(std::move(backend))
    , m_thread(std::make_unique<DeviceThread>())
{
    m_devTimer.setObjectName(QStringLiteral("DevTimer"));
    m_devTimer.setInterval(kDevTimerIntervalMs);
    connect(&m_devTimer, &QTimer::timeout, this, &DeviceController::SupervisionStep);
    m_chooseFile = [this](bool save) { return DefaultChooseFile(&m_window, save); };
    ConnectButtons();
}

DeviceController::~DeviceController()
{
    m_devTimer.stop();
    // The device thread ends before the backend it uses goes away.
    m_thread.reset();
}

void DeviceController::Start()
{
    m_devTimer.start();
}

void DeviceController::ConnectButtons()
{
    const auto bind = [this](const QString& name, std::function<void()> handler) {
        for (int copy = 1; copy <= 4; ++copy) {
            if (auto* label = m_window.findChild<SkinLabel*>(QStringLiteral("Btn_%1_%2").arg(name).arg(copy)))
                connect(label, &SkinLabel::clicked, this, handler);
        }
    };
    bind(QStringLiteral("Read"), [this] { ReadButton(); });
    bind(QStringLiteral("Apply"), [this] { ApplyButton(false); });
    bind(QStringLiteral("Confirm"), [this] { ApplyButton(true); });
    bind(QStringLiteral("Confirm1"), [this] { RestoreButton(1); });
    bind(QStringLiteral("Confirm2"), [this] { RestoreButton(2); });
    bind(QStringLiteral("Confirm3"), [this] { RestoreButton(3); });
    bind(QStringLiteral("Save"), [this] { SaveProfileButton(); });
    bind(QStringLiteral("Load"), [this] { LoadProfileButton(); });

    EngineerPage* engineer = m_window.Engineer();
    connect(engineer, &EngineerPage::saveProfileClicked, this, &DeviceController::SaveProfileButton);
    connect(engineer, &EngineerPage::loadProfileClicked, this, &DeviceController::LoadProfileButton);
    connect(engineer, &EngineerPage::writeClicked, this, [this] { ApplyButton(false); });
    connect(engineer, &EngineerPage::defaultClicked, this, &DeviceController::DefaultButton);
    connect(engineer, &EngineerPage::importBaseMacroClicked, this, &DeviceController::ImportMacroAreaButton);
}

void DeviceController::Prelude(const QString& pressedButton, bool wait, std::function<void()> next)
{
    if (m_flowRunning)
        return;
    if (!pressedButton.isEmpty())
        m_controller.Families().ShowPressed(pressedButton);
    const auto check = [this, next = std::move(next)] {
        if (!m_deviceOpen) {
            ShowMessageKey(&m_window, m_state, QStringLiteral("Str020"));
            return;
        }
        next();
    };
    if (wait && m_preludeMs > 0)
        QTimer::singleShot(m_preludeMs, this, check);
    else
        check();
}

void DeviceController::BeginFlow()
{
    m_flowRunning = true;
    m_controller.HideAllMenus();
    m_devTimer.stop();
    m_window.LockPages();
    m_controller.Loading().ShowOver(&m_window);
}

void DeviceController::EndFlow()
{
    m_controller.Loading().hide();
    m_devTimer.start();
    m_window.UnlockPages();
    m_flowRunning = false;
    Q_EMIT flowFinished();
}

void DeviceController::RunFlow(std::function<FlowOutcome(DeviceBackend&, const FlowProgress&)> flow,
                               std::function<void(const FlowOutcome&)> done)
{
    DeviceBackend* backend = m_backend.get();
    m_thread->Run<FlowReport>(
        [backend, flow = std::move(flow)] {
            FlowReport report;
            report.outcome = flow(*backend, {});
            report.open = backend->Link().IsOpen();
            return report;
        },
        [this, done = std::move(done)](FlowReport report) {
            m_deviceOpen = report.open;
            m_controller.SetDeviceOpen(report.open);
            done(report.outcome);
        });
}

void DeviceController::ShowOutcomeMessage(FlowMessage message)
{
    const QString key = FlowMessageKey(message);
    if (key.isEmpty())
        return;
    if (message == FlowMessage::Str107 || message == FlowMessage::Str020)
        ShowIdentityMessage(key);
    else
        ShowMessageKey(&m_window, m_state, key);
}

void DeviceController::ShowIdentityMessage(const QString& key)
{
    // A refused identity stops the supervision until the message is closed.
    m_devTimer.stop();
    QMessageBox* box = ShowMessageKey(&m_window, m_state, key);
    box->setWindowTitle(QString());
    connect(box, &QMessageBox::finished, this, [this] {
        if (!m_flowRunning)
            m_devTimer.start();
    });
}

void DeviceController::ShowLoadedPages(const ImageBuffer& image)
{
    m_state.TakeOverImage(image);
    m_controller.ShowImage();
    m_window.ShowOnlyPage(1);
    m_state.SetNoDevicePage(false);
    if (m_state.Page() == CurrentPage::ModeA)
        m_controller.Pages().OpenPage(CurrentPage::ModeA);
}

void DeviceController::DeviceLost()
{
    m_controller.HideAllMenus();
    m_state.SetNoDevicePage(false);
    m_controller.RefreshErrorAP();
    if (auto* list = m_window.findChild<QListWidget*>(QStringLiteral("LB_macro")))
        list->clear();
    m_window.LockPages();
    m_devTimer.start();
    ShowMessage(&m_window, m_state,
                m_state.Text(QStringLiteral("Str100")) + QStringLiteral("\n\n") + m_state.Text(QStringLiteral("Str101")));
}

void DeviceController::SupervisionStep()
{
    if (m_supervising || m_flowRunning)
        return;
    m_supervising = true;
    DeviceBackend* backend = m_backend.get();
    m_thread->Run<SupervisionReport>(
        [backend] {
            SupervisionReport report;
            report.outcome = backend->Watch().DevTimerTimer();
            report.open = backend->Link().IsOpen();
            return report;
        },
        [this](SupervisionReport report) {
            m_supervising = false;
            m_deviceOpen = report.open;
            m_controller.SetDeviceOpen(report.open);
            for (int i = 0; i < report.outcome.deviceLostCalls; ++i)
                DeviceLost();
            if (const auto& identity = report.outcome.identity) {
                if (identity->fullReadFollows) {
                    StartFullRead();
                    return;
                }
                const QString key = DeviceMessageKey(identity->message);
                if (!key.isEmpty())
                    ShowIdentityMessage(key);
            }
            Q_EMIT flowFinished();
        });
}

void DeviceController::StartFullRead()
{
    BeginFlow();
    RefreshPCMacroName(&m_window, m_state.Library());
    RunFlow([](DeviceBackend& backend, const FlowProgress& progress) { return FullRead(backend.Link(), progress); },
            [this](const FlowOutcome& outcome) {
                if (outcome.image)
                    ShowLoadedPages(*outcome.image);
                ShowOutcomeMessage(outcome.message);
                EndFlow();
                if (!outcome.image && m_state.NoDevicePage())
                    m_window.LockPages();
            });
}

void DeviceController::ReadButton()
{
    Prelude(QStringLiteral("Read"), false, [this] {
        BeginFlow();
        RefreshPCMacroName(&m_window, m_state.Library());
        RunFlow(
            [](DeviceBackend& backend, const FlowProgress& progress) {
                return ReadMouse(backend.Watch(), backend.Link(), progress);
            },
            [this](const FlowOutcome& outcome) {
                if (outcome.image)
                    ShowLoadedPages(*outcome.image);
                ShowOutcomeMessage(outcome.message);
                EndFlow();
                if (m_state.NoDevicePage())
                    m_window.LockPages();
            });
    });
}

void DeviceController::ApplyButton(bool thenClose)
{
    Prelude(thenClose ? QStringLiteral("Confirm") : QStringLiteral("Apply"), true, [this, thenClose] {
        BeginFlow();
        const ImageBuffer image = m_state.AssembleImage();
        RunFlow(
            [image](DeviceBackend& backend, const FlowProgress& progress) {
                return DownloadParameter(backend.Link(), image, progress);
            },
            [this, thenClose](const FlowOutcome& outcome) {
                ShowOutcomeMessage(outcome.message);
                EndFlow();
                if (thenClose)
                    QTimer::singleShot(m_preludeMs, &m_window, &QWidget::close);
            });
    });
}

void DeviceController::RestoreButton(int factoryImage)
{
    const QString button = QStringLiteral("Confirm%1").arg(factoryImage);
    Prelude(button, true, [this, factoryImage] {
        BeginFlow();
        // The pages show the factory image (with the checks' repairs); the
        // mouse gets it exactly as stored.
        m_state.TakeOverImage(LoadFactoryImage(factoryImage));
        m_controller.ShowImage();
        RunFlow(
            [factoryImage](DeviceBackend& backend, const FlowProgress& progress) {
                return DefaultParameter(backend.Link(), factoryImage, progress);
            },
            [this](const FlowOutcome& outcome) {
                ShowOutcomeMessage(outcome.message);
                EndFlow();
            });
    });
}

void DeviceController::DefaultButton()
{
    // The engineer page's restore: built-in defaults, the gap bytes kept.
    // Without a mouse nothing happens, not even a message.
    EngineerPage* engineer = m_window.Engineer();
    engineer->ShowResultMark(false);
    const auto run = [this, engineer] {
        if (!m_deviceOpen || m_flowRunning)
            return;
        m_flowRunning = true;
        m_controller.HideAllMenus();
        m_devTimer.stop();
        m_controller.Loading().ShowOver(&m_window);
        const ImageBuffer current = m_state.Image().buffer;
        RunFlow(
            [current](DeviceBackend& backend, const FlowProgress& progress) {
                return TLDefaultParameter(backend.Link(), current, progress);
            },
            [this, engineer](const FlowOutcome& outcome) {
                if (outcome.image) {
                    m_state.TakeOverImage(*outcome.image);
                    m_controller.ShowImage();
                }
                ShowOutcomeMessage(outcome.message);
                m_controller.Loading().hide();
                m_devTimer.start();
                m_flowRunning = false;
                if (outcome.Succeeded())
                    engineer->ShowResultMark(true);
                Q_EMIT flowFinished();
            });
    };
    QTimer::singleShot(m_preludeMs, this, run);
}

void DeviceController::ImportMacroAreaButton()
{
    m_controller.HideAllMenus();
    const QString chosen = m_chooseFile(false);
    if (chosen.isEmpty())
        return;
    const MacroAreaFileLoad loaded = LoadMacroAreaFile(chosen);
    if (!loaded.Loaded()) {
        ShowMessage(&m_window, m_state, loaded.errorText);
        return;
    }
    m_state.SetMacroArea(loaded.area);
    if (!m_deviceOpen)
        return;
    m_flowRunning = true;
    m_devTimer.stop();
    m_controller.Loading().ShowOver(&m_window);
    const MacroArea area = loaded.area;
    RunFlow(
        [area](DeviceBackend& backend, const FlowProgress& progress) {
            return WriteMacroArea(backend.Link(), area, progress);
        },
        [this](const FlowOutcome& outcome) {
            ShowOutcomeMessage(outcome.message);
            m_controller.Loading().hide();
            m_devTimer.start();
            m_flowRunning = false;
            Q_EMIT flowFinished();
        });
}

void DeviceController::SaveProfileButton()
{
    m_controller.HideAllMenus();
    Prelude(QString(), false, [this] {
        const QString chosen = m_chooseFile(true);
        if (chosen.isEmpty())
            return;
        BeginFlow();
        DeviceBackend* backend = m_backend.get();
        m_thread->Run<std::pair<SaveProfileOutcome, bool>>(
            [backend, chosen] {
                SaveProfileOutcome saved = SaveProfile(backend->Watch(), backend->Link(), chosen);
                return std::make_pair(saved, backend->Link().IsOpen());
            },
            [this](std::pair<SaveProfileOutcome, bool> result) {
                const SaveProfileOutcome& saved = result.first;
                m_deviceOpen = result.second;
                m_controller.SetDeviceOpen(result.second);
                if (saved.read.image)
                    ShowLoadedPages(*saved.read.image);
                ShowOutcomeMessage(saved.read.message);
                if (saved.read.Succeeded() && !saved.saved)
                    ShowMessage(&m_window, m_state, saved.fileError);
                EndFlow();
                if (m_state.NoDevicePage())
                    m_window.LockPages();
            });
    });
}

void DeviceController::LoadProfileButton()
{
    m_controller.HideAllMenus();
    Prelude(QString(), false, [this] {
        const QString chosen = m_chooseFile(false);
        if (chosen.isEmpty())
            return;
        const ProfileFileLoad loaded = LoadProfileFile(chosen);
        if (!loaded.Loaded()) {
            // Nothing changes: not the mouse, the image or the pages.
            ShowMessage(&m_window, m_state,
                        loaded.RefusedAsWrongType() ? m_state.Text(QStringLiteral("Str102")) : loaded.errorText);
            return;
        }
        const ImageBuffer image = loaded.image;
        m_state.TakeOverImage(image);
        m_controller.ShowImage();
        BeginFlow();
        RunFlow(
            [image](DeviceBackend& backend, const FlowProgress& progress) {
                return MemoToDataBuf_OnClick(backend.Link(), image, progress);
            },
            [this](const FlowOutcome& outcome) {
                ShowOutcomeMessage(outcome.message);
                EndFlow();
            });
    });
}

}  // namespace orvex
