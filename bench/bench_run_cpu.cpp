// CPU time spent by a running stopwatch (offscreen), taken with getrusage.
// On a virtual machine one wake-up can cost tens of microseconds and vary a
// lot from minute to minute, so each round measures, one after the other:
//   1. bare wake-ups: a loop that only sleeps 10 ms at a time, without Qt;
//   2. the program idle with an empty 10 ms Qt timer beside it;
//   3. the running stopwatch, whose 10 ms tick does the real work.
// 2 minus 1 is what Qt's event loop adds to each wake-up, 3 minus 2 what the
// stopwatch itself adds; medians over the rounds smooth out the noise.
#include "engine/window1.h"
#include "platform/qt_platform.h"
#include "shell/appli.h"

#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double percentOfCore(double cpu, int seconds)
{
    return 100.0 * cpu / seconds;
}

// Sleeps to absolute 10 ms deadlines, as a timer does, and nothing else.
double bareWakeUps(int seconds)
{
    const double before = cpuSeconds();
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    for (int i = 0; i < seconds * 100; ++i) {
        deadline.tv_nsec += 10'000'000;
        if (deadline.tv_nsec >= 1'000'000'000) {
            deadline.tv_nsec -= 1'000'000'000;
            ++deadline.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr);
    }
    return percentOfCore(cpuSeconds() - before, seconds);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

constexpr std::array<const char *, 3> kPhases = {"bare 10 ms wake-ups, no Qt", "idle program + empty 10 ms Qt timer",
                                                 "running stopwatch"};

class Rounds {
public:
    Rounds(Window1 &window, int seconds, int rounds) : window_(window), seconds_(seconds), rounds_(rounds)
    {
        emptyTimer_.setTimerType(Qt::PreciseTimer);
        emptyTimer_.setInterval(10);
        QObject::connect(&emptyTimer_, &QTimer::timeout, [] {});
    }

    void next()
    {
        if (int(results_[0].size()) == rounds_) {
            report();
            QCoreApplication::exit(0); // quit() would close the window and ask to save
            return;
        }
        results_[0].push_back(bareWakeUps(seconds_));
        measure(
            &emptyTimer_, [this] { emptyTimer_.start(); }, [this] { emptyTimer_.stop(); }, 1,
            [this] { runStopwatch(); });
    }

private:
    void runStopwatch()
    {
        QPushButton *startStop = window_.bt_depart;
        measure(
            startStop, [startStop] { startStop->click(); }, [startStop] { startStop->click(); }, 2,
            [this] {
                std::printf("round %zu: %.3f %%, %.3f %%, %.3f %%\n", results_[0].size(), results_[0].back(),
                            results_[1].back(), results_[2].back());
                std::fflush(stdout);
                next();
            });
    }

    void measure(QObject *context, const std::function<void()> &start, const std::function<void()> &stop,
                 std::size_t phase, const std::function<void()> &then)
    {
        start();
        const double before = cpuSeconds();
        QTimer::singleShot(seconds_ * 1000, context, [this, before, stop, phase, then] {
            results_[phase].push_back(percentOfCore(cpuSeconds() - before, seconds_));
            stop();
            // Lets the stop's repaint settle outside the next measurement.
            QTimer::singleShot(200, then);
        });
    }

    void report() const
    {
        std::printf("median of %d rounds of %d s, as %% of one core:\n", rounds_, seconds_);
        for (std::size_t i = 0; i < kPhases.size(); ++i)
            std::printf("  %-40s %.3f %%\n", kPhases[i], median(results_[i]));
        std::printf("  %-40s %.3f %%\n", "what the stopwatch adds (3 - 2)", median(results_[2]) - median(results_[1]));
    }

    Window1 &window_;
    int seconds_;
    int rounds_;
    QTimer emptyTimer_;
    std::array<std::vector<double>, 3> results_;
};
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    // Keeps the preferences the run writes at quit away from the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QtPlatform::prepareEnvironment();
    QtPlatform platform;
    Platform::install(&platform);
    appli app(argc, argv);
    app.Open();
    Window1 &w = Window1::instance();

    Rounds measurement(w, seconds, rounds);
    QTimer::singleShot(1000, [&] { measurement.next(); });
    const int status = app.exec();
    appli::destroyWindows();
    return status;
}
