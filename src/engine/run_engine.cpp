#include "engine/run_engine.h"

#include "core/time_format.h"

#include <cmath>

namespace {
constexpr double kMicros = 1000000.0;

double elapsed(const VariablesGlobales &vg, double reading)
{
    return (reading - vg.depart_micro) / kMicros;
}

// Ticks aim this long after the change, so they never find the old text.
constexpr int kAfterChangeMs = 1;

int millisecondsUntil(double seconds)
{
    return int(std::ceil(seconds * 1000.0)) + kAfterChangeMs;
}

ListRow row(const QString &label, const QString &time = QString(), const QString &difference = QString())
{
    return {label, time, difference};
}
} // namespace

namespace RunEngine {
QString labelFor(int number, const QString &comment, const QString &fallback)
{
    return comment.isEmpty() ? fallback : QString::number(number) + QStringLiteral(": ") + comment;
}

QString displayTime(VariablesGlobales &vg, double reading)
{
    vg.Temps_nouveau = reading;
    const double t = elapsed(vg, reading);
    return TimeFormat::displayTime(vg.mode_timer ? vg.depart_timer - t : t);
}

QString difference(VariablesGlobales &vg)
{
    const double d = (vg.Temps_nouveau - vg.temps_precedent) / kMicros;
    vg.temps_precedent = vg.Temps_nouveau;
    return TimeFormat::differenceText(d);
}

QString startHeading()
{
    return QStringLiteral("Etiquette pour le temps de départ");
}

QString lapHeading(int next)
{
    return QStringLiteral("Etiquette pour le temps intermédiaire  ") + QString::number(next);
}

void start(VariablesGlobales &vg, double reading, double later, double presetSeconds)
{
    vg.no_de_intermediaire = 1;
    vg.depart_micro = reading;
    vg.temps_precedent = reading;
    vg.Temps_nouveau = reading;
    vg.depart_timer = presetSeconds;
    vg.temps_timer = presetSeconds - elapsed(vg, later);
}

ListRow startRow(VariablesGlobales &vg, bool timer, const QString &comment, const QString &longTime, int preset)
{
    const int run = vg.no_de_chrono;
    if (!timer)
        return row(labelFor(run, comment, QStringLiteral("Chronomètre %1, départ à: %2").arg(run).arg(longTime)),
                   QStringLiteral("0:00:00:00"));
    ++vg.no_de_chrono;
    if (!comment.isEmpty())
        return row(labelFor(run, comment, QString()));
    return row(QStringLiteral("Temps de départ %1:").arg(run), TimeFormat::presetTime(preset));
}

int nextTickDelay(const VariablesGlobales &vg, bool timer, double reading)
{
    const double t = elapsed(vg, reading);
    if (!timer)
        return millisecondsUntil(std::floor(t) + 1.0 - t);
    // The tick after the one that finds the last second ends the countdown.
    if (vg.temps_timer <= 1.0)
        return kFirstTickMs;
    const double remaining = vg.depart_timer - t;
    return millisecondsUntil(remaining - std::floor(remaining));
}

int nextClockDelay(const QTime &moment)
{
    return 1000 - moment.msec() + kAfterChangeMs;
}

Tick tick(VariablesGlobales &vg, bool timer, double reading)
{
    if (!timer)
        return {TimeFormat::presetTime(elapsed(vg, reading))};
    if (vg.temps_timer > 1.0) {
        const double remaining = vg.depart_timer - elapsed(vg, reading);
        if (remaining > 0) {
            vg.temps_timer = remaining;
            return {TimeFormat::presetTime(remaining)};
        }
    }
    return {QString(), true};
}

Stop stop(VariablesGlobales &vg, bool timer, const QString &comment, const QString &longTime, double reading,
          double later)
{
    Stop result;
    result.display = displayTime(vg, reading);
    if (timer) {
        result.row = row(QStringLiteral("Timer stoppé à ") + longTime, displayTime(vg, later));
        return result;
    }
    const int run = vg.no_de_chrono++;
    const QString label = labelFor(run, comment, QStringLiteral("Chronomètre %1, temps final:").arg(run));
    const QString time = displayTime(vg, later);
    result.row = row(label, time, difference(vg));
    return result;
}

void pause(VariablesGlobales &vg, double reading)
{
    vg.pour_pause = reading;
}

void resume(VariablesGlobales &vg, double reading)
{
    const double length = reading - vg.pour_pause;
    vg.depart_micro += length;
    vg.pour_pause = length;
}

ListRow pauseRow(bool timer, const QString &longTime)
{
    return row((timer ? QStringLiteral("Timer mis en pause à ") : QStringLiteral("Chronomètre mis en pause à ")) +
               longTime);
}

ListRow resumeRow(bool timer, const QString &longTime)
{
    return row(
        (timer ? QStringLiteral("Timer  remis en marche à ") : QStringLiteral("Chronomètre remis en marche à ")) +
        longTime);
}

ListRow resetRow(VariablesGlobales &vg, bool timer, const QString &longTime, double reading)
{
    ++vg.no_de_chrono;
    const QString time = displayTime(vg, reading);
    return row(QStringLiteral("Décompte initialisé à ") + longTime, time, timer ? difference(vg) : QString());
}

ListRow lapRow(VariablesGlobales &vg, const QString &comment, const QString &lapLabel, double reading)
{
    const int lap = vg.no_de_intermediaire++;
    const QString label = labelFor(lap, comment, lapLabel + QStringLiteral(" %1:").arg(lap));
    const QString time = displayTime(vg, reading);
    const QString measured = difference(vg);
    return row(label, time, lap > 1 ? measured : QString());
}

ListRow expiryRow(const VariablesGlobales &vg, const QString &longTime)
{
    return row(QStringLiteral("Timer %1, temps écoulé à  ").arg(vg.no_de_chrono) + longTime);
}

QList<ListRow> closingRows()
{
    return {row(QStringLiteral("--------------------------------------")), row(QString())};
}
} // namespace RunEngine
