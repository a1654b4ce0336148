// Cost of one tick's text and of one Nouv_calcul_temps call.
#include "engine/methodes.h"
#include "core/time_format.h"
#include "engine/variables_globales.h"
#include "fake_platform.h"

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
    FakePlatform platform;
    Platform::install(&platform);
    constexpr int calls = 2000000;
    qsizetype sink = 0;

    const double tick =
        nanosecondsPerCall(calls, [&](int i) { sink += TimeFormat::presetTime(3725.0 + i * 0.01).size(); });
    platform.advance(3725.375);
    const double nouv = nanosecondsPerCall(calls, [&](int) { sink += Methodes::Nouv_calcul_temps().size(); });
    const double diff =
        nanosecondsPerCall(calls, [&](int i) { sink += TimeFormat::differenceText(3725.375 + i).size(); });
    std::printf("tick composition:    %6.1f ns per call\n", tick);
    std::printf("Nouv_calcul_temps:   %6.1f ns per call\n", nouv);
    std::printf("difference text:     %6.1f ns per call\n", diff);
    return sink == 0;
}
