#pragma once

#include <QtGlobal>

// When the user pressed: the clock reading of an input event, from its stamp.
// Readings are microseconds of the run's clock; stamps are milliseconds of the
// monotonic clock (X11 and Wayland), 32 bits wide. A stamp from the future or
// from more than a few seconds ago is not believed: the event is taken as now.
namespace PressTime {
constexpr qint64 kBelievableMs = 5000;
double reading(double now, qint64 monotonicNowMs, quint64 stampMs);
} // namespace PressTime
