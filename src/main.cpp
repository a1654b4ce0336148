#include "app/application.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    QtPlatform::prepareEnvironment();
    QApplication qt(argc, argv);
    Application::prepare(qt);
    QtPlatform platform;
    Application app(platform);
    // Start-up runs inside the event loop, so a quit asked for during it ends
    // the loop as any other quit does.
    QTimer::singleShot(0, &app, &Application::start);
    return qt.exec();
}
