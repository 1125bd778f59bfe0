#include "application.h"
#include "commandline.h"
#include "settings.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program's own options choose the command line; every other argument goes to Qt.
    if (vorn::isCommandLine(argc, argv))
        return vorn::runCommandLine(argc, argv);

    QApplication qapp(argc, argv);
    if (const std::optional<int> refused
        = vorn::refuseLeftOverArguments(QApplication::arguments().mid(1)))
        return *refused;
    QGuiApplication::setDesktopFileName(QStringLiteral(VORN_APP_ID));
    // The process ends through the support window alone, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);

    const auto settings = vorn::openSettingsStore();
    vorn::Application::Environment environment;
    environment.settings = settings.get();
    vorn::Application application(environment);
    if (!application.startUpSequence())
        return 0;
    return QApplication::exec();
}
