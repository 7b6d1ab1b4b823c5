#pragma once

#include <QSignalSpy>

#include "WindowFixture.h"
#include "app/DeviceController.h"
#include "device/sim/SimFault.h"
#include "device/sim/SimulatedMouse.h"
#include "device/sim/SimulatedTransport.h"

namespace orvex::testing {

// The real main window on the simulated mouse with the virtual clock: the
// flows run on the device thread at once, nothing sleeps for real.
class DeviceWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        auto clock = std::make_unique<VirtualClock>();
        QString error;
        DeviceOptions options;
        options.simulate = true;
        std::unique_ptr<DeviceBackend> backend = DeviceBackend::Create(options, *clock, error);
        ASSERT_TRUE(backend) << error.toStdString();
        device = std::make_unique<DeviceController>(*window, *state, *controller, std::move(backend), std::move(clock));
        device->SetPreludeMs(0);
    }

    void TearDown() override
    {
        device.reset();
        WindowTest::TearDown();
    }

    SimulatedMouse& Mouse() { return *device->Backend().Mouse(); }
    SimulatedTransport& Interfaces() { return *device->Backend().Simulation(); }

    void SetFault(const char* description)
    {
        const std::optional<SimFault> fault = ParseSimFault(QString::fromLatin1(description));
        ASSERT_TRUE(fault) << description;
        Mouse().SetFault(*fault);
    }

    // Runs something that starts a flow and waits until it ended.
    template <typename Action>
    void AndWait(Action action)
    {
        QSignalSpy finished(device.get(), &DeviceController::flowFinished);
        action();
        ASSERT_TRUE(finished.wait(20000)) << "the flow did not end";
    }

    // One supervision step (as DevTimer would run it), to its end.
    void Supervise()
    {
        AndWait([this] { device->SupervisionStep(); });
        QCoreApplication::processEvents();
    }

    // The mouse plugged in and read, the pages unlocked.
    void ConnectMouse()
    {
        Supervise();
        ASSERT_TRUE(device->DeviceOpen());
        ASSERT_FALSE(window->PagesLocked());
    }

    QStringList MessageTexts() const
    {
        QStringList texts;
        for (QMessageBox* box : Messages())
            texts << box->text();
        return texts;
    }

    std::unique_ptr<DeviceController> device;
};

}  // namespace orvex::testing
