#include "app/application.h"
#include "app/command_client.h"
#include "core/command_line.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    // A command takes the moment it was launched, before anything else.
    const double launched = QtPlatform::bootClock();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const CommandLine::Invocation invocation = CommandLine::parse(arguments);
        invocation.kind != CommandLine::Invocation::Kind::Program) {
        QCoreApplication core(argc, argv); // no display needed
        Application::prepareNames();
        QtPlatform platform;
        return CommandClient::run(invocation, platform, launched);
    }
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
