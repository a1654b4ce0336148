#include "platform/file_types.h"
#include "platform/qt_platform.h"
#include "shell/appli.h"

#include <QTimer>

int main(int argc, char **argv)
{
    QtPlatform::prepareEnvironment();
    QtPlatform platform;
    Platform::install(&platform);
    FileTypes::Initialize();
    appli app(argc, argv);
    // Start-up runs inside the event loop, so a quit asked for during it ends
    // the loop as any other quit does.
    QTimer::singleShot(0, &app, &appli::Open);
    const int status = app.exec();
    appli::destroyWindows();
    return status;
}
