#include "engine/methodes.h"

#include "engine/time_format.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "platform/platform.h"

#include <QPushButton>
#include <QTimer>

namespace Methodes {
QString Nouv_calcul_temps()
{
    auto &vg = Variables_globales;
    const double reading = Platform::get().microseconds();
    vg.Temps_nouveau = reading;
    const double elapsed = (reading - vg.depart_micro) / 1000000.0;
    return TimeFormat::displayTime(vg.mode_timer ? vg.depart_timer - elapsed : elapsed);
}

QString regle_timer(double secondes)
{
    return TimeFormat::presetTime(secondes);
}

QString Calcule_difference()
{
    auto &vg = Variables_globales;
    const double d = (vg.Temps_nouveau - vg.temps_precedent) / 1000000.0;
    vg.temps_precedent = vg.Temps_nouveau;
    return TimeFormat::differenceText(d);
}

void enregistrement_passe()
{
    Window1 &w = Window1::instance();
    w.Timer3->stop();
    w.bt_pause->setEnabled(false);
    w.bt_pause->setText(QStringLiteral("Pause"));
    w.intermediaire->setEnabled(false);
}
} // namespace Methodes
