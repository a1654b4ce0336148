#include "core/press_time.h"

namespace PressTime {
double reading(double now, qint64 monotonicNowMs, quint64 stampMs)
{
    // Modulo 2^32, so a stamp from just before the 32-bit wrap still counts.
    const quint32 age = quint32(quint64(monotonicNowMs) - stampMs);
    return age <= kBelievableMs ? now - double(age) * 1000.0 : now;
}

double requestReading(double now, const QByteArray &boot, const QByteArray &requestBoot, qint64 requestClock)
{
    const double age = now - double(requestClock);
    return !boot.isEmpty() && boot == requestBoot && age >= 0 && age <= kBelievableMs * 1000.0 ? double(requestClock)
                                                                                               : now;
}
} // namespace PressTime
