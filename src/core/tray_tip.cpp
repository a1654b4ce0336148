#include "core/tray_tip.h"

#include "core/program.h"

QString TrayTip::text(RunState state, const QString &display, bool windowInSight)
{
    if (state == RunState::Running && windowInSight)
        return Program::title() + QStringLiteral(" : en marche");
    return display.isEmpty() ? Program::title() : Program::title() + QStringLiteral(" : ") + display;
}
