// CPU time spent by a running stopwatch: the real 10 ms tick runs for a while
// (offscreen), and getrusage tells what it cost.
#include "engine/window1.h"
#include "platform/qt_platform.h"
#include "shell/appli.h"

#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    // Keeps the preferences the run writes at quit away from the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QtPlatform::prepareEnvironment();
    QtPlatform platform;
    Platform::install(&platform);
    appli app(argc, argv);
    app.Open();
    Window1 &w = Window1::instance();

    QApplication::processEvents();
    QTimer::singleShot(1000, [&] {
        w.bt_depart->click();
        const double before = cpuSeconds();
        QTimer::singleShot(seconds * 1000, [&, before] {
            const double used = cpuSeconds() - before;
            std::printf("running stopwatch: %.3f s of CPU in %d s, %.3f %% of one core\n", used, seconds,
                        100.0 * used / seconds);
            QCoreApplication::exit(0); // quit() would close the window and ask to save
        });
    });
    const int status = app.exec();
    appli::destroyWindows();
    return status;
}
