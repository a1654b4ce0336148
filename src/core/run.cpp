#include "core/run.h"

#include "core/cell_text.h"
#include "core/date_texts.h"
#include "core/time_format.h"
#include "core/timer_preset.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
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
    return (reading - start_) / kMicros;
}

QString Run::displayTime(double reading)
{
    lastReading_ = reading;
    const double t = elapsed(reading);
    return TimeFormat::displayTime(timer() ? length_ - t : t);
}

QString Run::difference()
{
    const double d = (lastReading_ - measuredFrom_) / kMicros;
    measuredFrom_ = lastReading_;
    return TimeFormat::differenceText(d);
}

void Run::closePause(double reading)
{
    if (state_ != RunState::Paused)
        return;
    const double length = reading - pausedAt_;
    start_ += length;
    measuredFrom_ += length;
    lastPauseLength_ = length;
    state_ = RunState::Running;
}

QString Run::shown(double reading)
{
    if (state_ == RunState::Paused)
        return displayTime(pausedAt_);
    if (state_ == RunState::Running)
        return TimeFormat::presetTime(timer() ? length_ - elapsed(reading) : elapsed(reading));
    return TimeFormat::presetTime(timer() ? double(preset_) : 0.0);
}

double Run::elapsedSeconds(double reading) const
{
    if (state_ == RunState::Idle)
        return 0;
    return elapsed(state_ == RunState::Paused ? pausedAt_ : reading);
}

std::optional<double> Run::progress(double reading) const
{
    if (!timer() || state_ == RunState::Idle || length_ <= 0)
        return std::nullopt;
    return std::clamp(elapsedSeconds(reading) / length_, 0.0, 1.0);
}

std::optional<double> Run::endReading() const
{
    if (!timer() || state_ != RunState::Running)
        return std::nullopt;
    return start_ + (length_ - 1.0) * kMicros + kFirstTickMs * 1000.0;
}

void Run::shift(double offset)
{
    start_ += offset;
    measuredFrom_ += offset;
    lastReading_ += offset;
    pausedAt_ += offset;
}

RunStep Run::closed(RunStep step) const
{
    step.rows += {ListRow{kSeparator, {}, {}}, ListRow{}};
    step.selectLast = true;
    return step;
}

RunStep Run::start(double reading, const QDateTime &now, const QString &comment)
{
    lapNumber_ = 1;
    start_ = measuredFrom_ = lastReading_ = reading;
    length_ = remaining_ = double(preset_);
    state_ = RunState::Running;

    RunStep step;
    step.heading = lapHeading(1);
    step.commentUsed = !comment.isEmpty();
    const int run = runNumber_;
    if (!timer()) {
        step.rows = {
            {labelFor(run, comment, QStringLiteral("Chronomètre %1, départ à: %2").arg(run).arg(longTime(now))),
             QStringLiteral("0:00:00:00"),
             {}}};
        step.selectLast = true;
        return step;
    }
    ++runNumber_;
    if (!comment.isEmpty()) {
        // A countdown labelled by a comment keeps both presets and the selection.
        step.rows = {{labelFor(run, comment, {}), {}, {}}};
        return step;
    }
    // The row tells what the countdown runs: the preset the display showed.
    step.rows = {{QStringLiteral("Temps de départ %1:").arg(run), TimeFormat::presetTime(length_), {}}};
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
    const int run = runNumber_++;
    const QString label = labelFor(run, comment, QStringLiteral("Chronomètre %1, temps final:").arg(run));
    step.rows = {{label, step.display, difference()}};
    return closed(step);
}

RunStep Run::pause(double reading, const QDateTime &now)
{
    pausedAt_ = reading;
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
    ++runNumber_;
    const QString time = displayTime(reading);
    step.rows = {{QStringLiteral("Décompte initialisé à ") + longTime(now), time, timer() ? difference() : QString()}};
    return closed(step);
}

RunStep Run::lap(double reading, const QString &comment, const QString &lapLabel)
{
    const int lap = lapNumber_++;
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
    const double remaining = length_ - t;
    if (remaining_ <= 1.0 || remaining <= 0)
        return {QString(), true, 0};
    remaining_ = remaining;
    // The tick after the one that finds the last second ends the countdown.
    const int delay = remaining <= 1.0 ? kFirstTickMs : millisecondsUntil(remaining - std::floor(remaining));
    return {TimeFormat::presetTime(remaining), false, delay};
}

RunStep Run::expire(const QDateTime &now)
{
    state_ = RunState::Idle;
    RunStep step;
    step.display = TimeFormat::presetTime(0);
    step.rows = {{QStringLiteral("Timer %1, temps écoulé à  ").arg(runNumber_) + longTime(now), {}, {}}};
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
    return {TimeFormat::presetTime(double(preset_)), direction > 0 ? TimerPreset::tooLong() : TimerPreset::tooShort()};
}

QString Run::setPreset(qint64 seconds)
{
    preset_ = remembered_ = seconds;
    return TimeFormat::presetTime(double(seconds));
}

namespace {
constexpr quint8 kFormat = 1;
} // namespace

QByteArray Run::save() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    // While paused the reading at the pause, after it the pause's length.
    out << kFormat << quint8(mode_) << quint8(state_) << preset_ << remembered_ << start_ << measuredFrom_
        << lastReading_ << length_ << remaining_ << (state_ == RunState::Paused ? pausedAt_ : lastPauseLength_)
        << lapNumber_ << runNumber_;
    return bytes;
}

std::optional<Run> Run::load(const QByteArray &bytes)
{
    QDataStream in(bytes);
    quint8 format = 0, mode = 0, state = 0;
    Run run;
    double pause = 0;
    in >> format >> mode >> state >> run.preset_ >> run.remembered_ >> run.start_ >> run.measuredFrom_ >>
        run.lastReading_ >> run.length_ >> run.remaining_ >> pause >> run.lapNumber_ >> run.runNumber_;
    if (in.status() != QDataStream::Ok || !in.atEnd() || format != kFormat || mode > 1 || state > 2)
        return std::nullopt;
    run.mode_ = RunMode(mode);
    run.state_ = RunState(state);
    (run.state_ == RunState::Paused ? run.pausedAt_ : run.lastPauseLength_) = pause;
    return run;
}
