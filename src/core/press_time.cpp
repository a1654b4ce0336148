#include "core/press_time.h"

namespace PressTime {
double reading(double now, qint64 monotonicNowMs, quint64 stampMs)
{
    // Modulo 2^32, so a stamp from just before the 32-bit wrap still counts.
    const quint32 age = quint32(quint64(monotonicNowMs) - stampMs);
    return age <= kBelievableMs ? now - double(age) * 1000.0 : now;
}
} // namespace PressTime
