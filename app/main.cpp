#include <QApplication>

#include "app/Configurator.h"
#include "app/MainWindow.h"
#include "app/WindowController.h"
#include "app/SingleInstance.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("orvex71"));
    application.setApplicationDisplayName(QStringLiteral("ORVEX71 Gaming Mouse"));

    orvex::SingleInstance instance(QStringLiteral("orvex71"));
    if (instance.HandOverToRunningInstance())
        return 0;

    const bool engineer = application.arguments().contains(QStringLiteral("--engineer"));
    orvex::MainWindow window(engineer);
    QObject::connect(&instance, &orvex::SingleInstance::raiseRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    orvex::Configurator state;
    orvex::WindowController controller(window, state);
    controller.Start();
    window.show();
    return application.exec();
}
