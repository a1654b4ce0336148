#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace {
Platform *installed = nullptr;
}

Platform &Platform::get()
{
    if (!installed) {
        std::fputs("VelTiming: no platform installed\n", stderr);
        std::abort();
    }
    return *installed;
}

void Platform::install(Platform *platform)
{
    installed = platform;
}
