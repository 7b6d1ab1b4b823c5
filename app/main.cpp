#include <QApplication>

#include <cstdio>

#include "app/AppOptions.h"
#include "app/Configurator.h"
#include "app/DeviceController.h"
#include "app/FirstPaintProbe.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/WindowController.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("orvex71"));
    application.setApplicationDisplayName(QStringLiteral("ORVEX71 Gaming Mouse"));

    QString error;
    const std::optional<orvex::AppOptions> options = orvex::ParseAppOptions(application.arguments().mid(1), error);
    if (!options) {
        std::fprintf(stderr, "orvex71: %s\n", qPrintable(error));
        return 2;
    }

    orvex::SingleInstance instance(QStringLiteral("orvex71"));
    if (instance.HandOverToRunningInstance())
        return 0;

    auto clock = std::make_unique<orvex::RealClock>();
    std::unique_ptr<orvex::DeviceBackend> backend = orvex::DeviceBackend::Create(options->device, *clock, error);
    if (!backend) {
        std::fprintf(stderr, "orvex71: %s\n", qPrintable(error));
        return 2;
    }

    orvex::MainWindow window(options->engineerButtons);
    orvex::Configurator state;
    orvex::WindowController controller(window, state);
    orvex::DeviceController device(window, state, controller, std::move(backend), std::move(clock));
    QObject::connect(&instance, &orvex::SingleInstance::raiseRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    orvex::InstallFirstPaintProbe(&window);
    controller.Start();
    device.Start();
    window.show();
    return application.exec();
}
