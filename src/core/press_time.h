#pragma once

#include <QByteArray>

// When the user pressed: the clock reading of an input event, from its stamp.
// Readings are microseconds of the run's clock; stamps are milliseconds of the
// monotonic clock (X11 and Wayland), 32 bits wide. A stamp from the future or
// from more than a few seconds ago is not believed: the event is taken as now.
namespace PressTime {
constexpr qint64 kBelievableMs = 5000;
double reading(double now, qint64 monotonicNowMs, quint64 stampMs);
// The reading of a command's request, by the same rule: a reading of the same
// boot, not from the future and at most as old as a believable stamp, is the
// moment; any other is taken as now. Both in microseconds.
double requestReading(double now, const QByteArray &boot, const QByteArray &requestBoot, qint64 requestClock);
} // namespace PressTime
