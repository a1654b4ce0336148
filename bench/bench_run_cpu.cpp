// CPU time spent by a running stopwatch (offscreen), taken with getrusage.
// On a virtual machine one wake-up can cost tens of microseconds and vary a
// lot from minute to minute, so each round measures, one after the other:
//   1. bare wake-ups: a loop that only sleeps 10 ms at a time, without Qt;
//   2. the program idle with an empty 10 ms Qt timer beside it;
//   3. the program idle;
//   4. the running stopwatch.
// Wake-ups are the voluntary context switches; medians over the rounds
// smooth out the noise.
#include "app/application.h"
#include "platform/qt_platform.h"
#include "timing/main_window.h"

#include <QApplication>
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
// CPU seconds and voluntary context switches (the process's wake-ups) so far.
struct Usage {
    double cpu;
    long wakeUps;
};

Usage usageNow()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return {double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6,
            usage.ru_nvcsw};
}

// Percent of one core and wake-ups a second between two usages.
struct Result {
    double percent;
    double wakeUps;
};

Result since(const Usage &before, int seconds)
{
    const Usage after = usageNow();
    return {100.0 * (after.cpu - before.cpu) / seconds, double(after.wakeUps - before.wakeUps) / seconds};
}

// Sleeps to absolute 10 ms deadlines, as a timer does, and nothing else.
Result bareWakeUps(int seconds)
{
    const Usage before = usageNow();
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
    return since(before, seconds);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Long enough for a start's or a stop's repaint to be over.
constexpr int kSettleMs = 200;

constexpr std::array<const char *, 4> kPhases = {"bare 10 ms wake-ups, no Qt", "idle program + empty 10 ms Qt timer",
                                                 "idle program", "running stopwatch"};

class Rounds {
public:
    Rounds(MainWindow &window, int seconds, int rounds) : window_(window), seconds_(seconds), rounds_(rounds)
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
        auto *startStop = window_.findChild<QPushButton *>(QStringLiteral("bt_depart"));
        measure(
            &emptyTimer_, [this] { emptyTimer_.start(); }, [this] { emptyTimer_.stop(); }, 1,
            [this, startStop] {
                measure(
                    startStop, [] {}, [] {}, 2,
                    [this, startStop] {
                        measure(
                            startStop, [startStop] { startStop->click(); }, [startStop] { startStop->click(); }, 3,
                            [this] {
                                std::printf("round %zu:", results_[0].size());
                                for (const auto &phase : results_)
                                    std::printf("  %.3f %% %.1f/s", phase.back().percent, phase.back().wakeUps);
                                std::printf("\n");
                                std::fflush(stdout);
                                next();
                            });
                    });
            });
    }

private:
    void measure(QObject *context, const std::function<void()> &start, const std::function<void()> &stop,
                 std::size_t phase, const std::function<void()> &then)
    {
        start();
        // The start's own repaint of the window is not the run's steady cost.
        QTimer::singleShot(kSettleMs, context, [this, context, stop, phase, then] {
            const Usage before = usageNow();
            QTimer::singleShot(seconds_ * 1000, context, [this, before, stop, phase, then] {
                results_[phase].push_back(since(before, seconds_));
                stop();
                QTimer::singleShot(kSettleMs, then);
            });
        });
    }

    double medianOf(std::size_t phase, double Result::*field) const
    {
        std::vector<double> values;
        for (const Result &result : results_[phase])
            values.push_back(result.*field);
        return median(values);
    }

    void report() const
    {
        std::printf("median of %d rounds of %d s: %% of one core, wake-ups a second\n", rounds_, seconds_);
        for (std::size_t i = 0; i < kPhases.size(); ++i)
            std::printf("  %-40s %.3f %%  %6.1f/s\n", kPhases[i], medianOf(i, &Result::percent),
                        medianOf(i, &Result::wakeUps));
        std::printf("  %-40s %.3f %%\n", "what the stopwatch adds (4 - 3)",
                    medianOf(3, &Result::percent) - medianOf(2, &Result::percent));
    }

    MainWindow &window_;
    int seconds_;
    int rounds_;
    QTimer emptyTimer_;
    std::array<std::vector<Result>, 4> results_;
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
    QApplication qt(argc, argv);
    Application::prepare(qt);
    QtPlatform platform;
    Application app(platform);
    app.start();

    Rounds measurement(*app.window(), seconds, rounds);
    QTimer::singleShot(1000, [&] { measurement.next(); });
    return qt.exec();
}
