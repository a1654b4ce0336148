#pragma once

#include <QtPlugin>

// What the sound plugin gives: a short tone, played without blocking the
// event thread; beeps asked for in a row are heard apart.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

#define VEL_BEEPER_IID "org.veltiming.VelTiming.Beeper/1"
Q_DECLARE_INTERFACE(Beeper, VEL_BEEPER_IID)
