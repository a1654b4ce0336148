// Cost of one tick's text, of the run's time at a reading, and of a difference's text.
#include "core/run.h"
#include "core/time_format.h"

#include <chrono>
#include <cstdio>

namespace {
template <class F>
double nanosecondsPerCall(int calls, F &&work)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        work(i);
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(end - start).count() / calls;
}
} // namespace

int main()
{
    constexpr int calls = 2000000;
    qsizetype sink = 0;

    const double tick =
        nanosecondsPerCall(calls, [&](int i) { sink += TimeFormat::presetTime(3725.0 + i * 0.01).size(); });
    Run run;
    const double nouv = nanosecondsPerCall(calls, [&](int i) { sink += run.displayTime(3725.375e6 + i * 1e4).size(); });
    const double diff =
        nanosecondsPerCall(calls, [&](int i) { sink += TimeFormat::differenceText(3725.375 + i).size(); });
    std::printf("tick composition:    %6.1f ns per call\n", tick);
    std::printf("run's time:          %6.1f ns per call\n", nouv);
    std::printf("difference text:     %6.1f ns per call\n", diff);
    return sink == 0;
}
