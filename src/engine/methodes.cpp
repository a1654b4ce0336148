#include "engine/methodes.h"

#include "engine/run_engine.h"
#include "core/time_format.h"
#include "engine/variables_globales.h"
#include "platform/platform.h"

namespace Methodes {
QString Nouv_calcul_temps()
{
    return RunEngine::displayTime(Variables_globales, Platform::get().microseconds());
}

QString regle_timer(double secondes)
{
    return TimeFormat::presetTime(secondes);
}

QString Calcule_difference()
{
    return RunEngine::difference(Variables_globales);
}
} // namespace Methodes
