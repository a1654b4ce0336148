#pragma once

#include "core/run.h"

#include <QString>

namespace TrayTip {
// The tray's tooltip: the display's time, but while the run goes on with the
// window in sight only its state. The time is in the window then, and each new
// tooltip wakes the program and the tray a second time every second.
QString text(RunState state, const QString &display, bool windowInSight);
} // namespace TrayTip
