#include "core/run.h"

#include "core/cell_text.h"
#include "core/date_texts.h"
#include "core/time_format.h"
#include "core/timer_preset.h"

#include <QDataStream>
#include <QIODevice>

#include <cmath>

namespace {
constexpr double kMicros = 1000000.0;
// Ticks aim this long after the change, so they never find the old text.
constexpr int kAfterChangeMs = 1;
const QString kSeparator = QStringLiteral("--------------------------------------");

int millisecondsUntil(double seconds)
{
    return int(std::ceil(seconds * 1000.0)) + kAfterChangeMs;
}

// A tab or a line break typed or pasted into a label would split its row when the list is saved.
QString labelFor(int number, const QString &comment, const QString &fallback)
{
    return CellText::clean(comment.isEmpty() ? fallback : QString::number(number) + QStringLiteral(": ") + comment);
}

QString longTime(const QDateTime &now)
{
    return DateTexts::longTime(now);
}
} // namespace

QString Run::startHeading()
{
    return QStringLiteral("Etiquette pour le temps de départ");
}

QString Run::lapHeading(int next)
{
    return QStringLiteral("Etiquette pour le temps intermédiaire  ") + QString::number(next);
}

QString Run::restore(RunMode mode, qint64 preset)
{
    mode_ = mode;
    preset_ = remembered_ = preset;
    return TimeFormat::presetTime(timer() ? double(preset) : 0.0);
}

double Run::elapsed(double reading) const
{
    return (reading - depart_micro) / kMicros;
}

QString Run::displayTime(double reading)
{
    Temps_nouveau = reading;
    const double t = elapsed(reading);
    return TimeFormat::displayTime(timer() ? depart_timer - t : t);
}

QString Run::difference()
{
    const double d = (Temps_nouveau - temps_precedent) / kMicros;
    temps_precedent = Temps_nouveau;
    return TimeFormat::differenceText(d);
}

void Run::closePause(double reading)
{
    if (state_ != RunState::Paused)
        return;
    const double length = reading - pour_pause;
    depart_micro += length;
    temps_precedent += length;
    pour_pause = length;
    state_ = RunState::Running;
}

QString Run::shown(double reading)
{
    if (state_ == RunState::Paused)
        return displayTime(pour_pause);
    if (state_ == RunState::Running)
        return TimeFormat::presetTime(timer() ? depart_timer - elapsed(reading) : elapsed(reading));
    return TimeFormat::presetTime(timer() ? double(preset_) : 0.0);
}

std::optional<double> Run::endReading() const
{
    if (!timer() || state_ != RunState::Running)
        return std::nullopt;
    return depart_micro + (depart_timer - 1.0) * kMicros + kFirstTickMs * 1000.0;
}

void Run::shift(double offset)
{
    depart_micro += offset;
    temps_precedent += offset;
    Temps_nouveau += offset;
    if (state_ == RunState::Paused)
        pour_pause += offset; // a reading while paused, a length after
}

RunStep Run::closed(RunStep step) const
{
    step.rows += {ListRow{kSeparator, {}, {}}, ListRow{}};
    step.selectLast = true;
    return step;
}

RunStep Run::start(double reading, const QDateTime &now, const QString &comment)
{
    no_de_intermediaire = 1;
    depart_micro = temps_precedent = Temps_nouveau = reading;
    depart_timer = temps_timer = double(preset_);
    state_ = RunState::Running;

    RunStep step;
    step.heading = lapHeading(1);
    step.commentUsed = !comment.isEmpty();
    const int run = no_de_chrono;
    if (!timer()) {
        step.rows = {
            {labelFor(run, comment, QStringLiteral("Chronomètre %1, départ à: %2").arg(run).arg(longTime(now))),
             QStringLiteral("0:00:00:00"),
             {}}};
        step.selectLast = true;
        return step;
    }
    ++no_de_chrono;
    if (!comment.isEmpty()) {
        // A countdown labelled by a comment keeps both presets and the selection.
        step.rows = {{labelFor(run, comment, {}), {}, {}}};
        return step;
    }
    // The row tells what the countdown runs: the preset the display showed.
    step.rows = {{QStringLiteral("Temps de départ %1:").arg(run), TimeFormat::presetTime(depart_timer), {}}};
    step.selectLast = true;
    return step;
}

RunStep Run::stop(double reading, const QDateTime &now, const QString &comment)
{
    closePause(reading);
    state_ = RunState::Idle;
    RunStep step;
    step.display = displayTime(reading);
    step.heading = startHeading();
    if (timer()) {
        step.rows = {{QStringLiteral("Timer stoppé à ") + longTime(now), step.display, {}}};
        return closed(step);
    }
    step.commentUsed = true;
    const int run = no_de_chrono++;
    const QString label = labelFor(run, comment, QStringLiteral("Chronomètre %1, temps final:").arg(run));
    step.rows = {{label, step.display, difference()}};
    return closed(step);
}

RunStep Run::pause(double reading, const QDateTime &now)
{
    pour_pause = reading;
    state_ = RunState::Paused;
    RunStep step;
    step.rows = {{(timer() ? QStringLiteral("Timer mis en pause à ") : QStringLiteral("Chronomètre mis en pause à ")) +
                      longTime(now),
                  {},
                  {}}};
    step.display = displayTime(reading);
    step.selectLast = true;
    return step;
}

RunStep Run::resume(double reading, const QDateTime &now)
{
    closePause(reading);
    RunStep step;
    step.rows = {
        {(timer() ? QStringLiteral("Timer  remis en marche à ") : QStringLiteral("Chronomètre remis en marche à ")) +
             longTime(now),
         {},
         {}}};
    step.selectLast = true;
    return step;
}

RunStep Run::reset(double reading, const QDateTime &now)
{
    RunStep step;
    step.heading = startHeading();
    step.commentUsed = true;
    preset_ = timer() ? remembered_ : 0;
    step.display = TimeFormat::presetTime(double(preset_));
    if (state_ == RunState::Idle)
        return step;
    closePause(reading);
    state_ = RunState::Idle;
    ++no_de_chrono;
    const QString time = displayTime(reading);
    step.rows = {{QStringLiteral("Décompte initialisé à ") + longTime(now), time, timer() ? difference() : QString()}};
    return closed(step);
}

RunStep Run::lap(double reading, const QString &comment, const QString &lapLabel)
{
    const int lap = no_de_intermediaire++;
    RunStep step;
    step.heading = lapHeading(lap + 1);
    step.commentUsed = true;
    const QString label = labelFor(lap, comment, lapLabel + QStringLiteral(" %1:").arg(lap));
    const QString time = displayTime(reading);
    // The first lap's difference is measured but not shown, so the second is
    // measured from the first.
    const QString measured = difference();
    step.rows = {{label, time, lap > 1 ? measured : QString()}};
    step.selectLast = true;
    return step;
}

Run::Tick Run::tick(double reading)
{
    const double t = elapsed(reading);
    if (!timer())
        return {TimeFormat::presetTime(t), false, millisecondsUntil(std::floor(t) + 1.0 - t)};
    const double remaining = depart_timer - t;
    if (temps_timer <= 1.0 || remaining <= 0)
        return {QString(), true, 0};
    temps_timer = remaining;
    // The tick after the one that finds the last second ends the countdown.
    const int delay = remaining <= 1.0 ? kFirstTickMs : millisecondsUntil(remaining - std::floor(remaining));
    return {TimeFormat::presetTime(remaining), false, delay};
}

RunStep Run::expire(const QDateTime &now)
{
    state_ = RunState::Idle;
    RunStep step;
    step.display = TimeFormat::presetTime(0);
    step.rows = {{QStringLiteral("Timer %1, temps écoulé à  ").arg(no_de_chrono) + longTime(now), {}, {}}};
    return closed(step);
}

RunStep Run::setMode(RunMode mode)
{
    mode_ = mode;
    RunStep step;
    if (!timer()) {
        step.display = TimeFormat::presetTime(0);
        return step;
    }
    // A preset cleared by a Chronomètre reset starts again from the fallback,
    // which the preferences then keep too.
    preset_ = remembered_ = preset_ == 0 ? TimerPreset::kFallback : remembered_;
    step.display = TimeFormat::presetTime(double(preset_));
    return step;
}

Run::PresetStep Run::stepPreset(int direction, qint64 step)
{
    const qint64 wanted = preset_ + direction * step;
    if (direction > 0 ? wanted <= TimerPreset::kMaximum : wanted >= TimerPreset::kMinimum) {
        preset_ = remembered_ = wanted;
        return {TimeFormat::presetTime(double(wanted)), {}};
    }
    // The current preset lands on the limit; the remembered one stays at the
    // last accepted value.
    preset_ = direction > 0 ? TimerPreset::kMaximum : TimerPreset::kMinimum;
    return {TimeFormat::presetTime(double(preset_)),
            direction > 0 ? QStringLiteral("Le temps maximum pour le timer est 999 heures!")
                          : QStringLiteral("Le temps minimum pour le timer est  5 secondes!")};
}

namespace {
constexpr quint8 kFormat = 1;
} // namespace

QByteArray Run::save() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kFormat << quint8(mode_) << quint8(state_) << preset_ << remembered_ << depart_micro << temps_precedent
        << Temps_nouveau << depart_timer << temps_timer << pour_pause << no_de_intermediaire << no_de_chrono;
    return bytes;
}

std::optional<Run> Run::load(const QByteArray &bytes)
{
    QDataStream in(bytes);
    quint8 format = 0, mode = 0, state = 0;
    Run run;
    in >> format >> mode >> state >> run.preset_ >> run.remembered_ >> run.depart_micro >> run.temps_precedent >>
        run.Temps_nouveau >> run.depart_timer >> run.temps_timer >> run.pour_pause >> run.no_de_intermediaire >>
        run.no_de_chrono;
    if (in.status() != QDataStream::Ok || !in.atEnd() || format != kFormat || mode > 1 || state > 2)
        return std::nullopt;
    run.mode_ = RunMode(mode);
    run.state_ = RunState(state);
    return run;
}
