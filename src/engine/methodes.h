#pragma once

#include <QString>

// Shared routines of the run engine.
namespace Methodes {
// Takes a clock reading into Temps_nouveau and formats the run's time:
// elapsed in Chronomètre mode, remaining in Timer mode.
QString Nouv_calcul_temps();
QString regle_timer(double secondes);
// Formats Temps_nouveau - temps_precedent, then moves temps_precedent.
QString Calcule_difference();
} // namespace Methodes
