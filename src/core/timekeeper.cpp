#include "core/timekeeper.h"

#include "core/program.h"
#include "core/settings.h"

Timekeeper::Timekeeper(Settings &settings, QObject *parent) : QObject(parent), settings_(settings) {}

void Timekeeper::setComment(const QString &comment)
{
    if (comment == comment_)
        return;
    comment_ = comment;
    emit commentChanged();
}

QString Timekeeper::documentName() const
{
    const QString name = QStringLiteral("Document ") + Program::name();
    return documents_ == 1 ? name : name + QLatin1Char(' ') + QString::number(documents_);
}

Outcome Timekeeper::done(const RunStep &step, Outcome outcome, bool runChanged, CommentFrom from)
{
    list_.append(step.rows);
    if (!step.display.isEmpty())
        outcome.display = display_ = step.display;
    if (!step.heading.isEmpty())
        outcome.heading = step.heading;
    // The field keeps what the user types while a comment from elsewhere is used.
    outcome.clearComment = outcome.clearComment || (step.commentUsed && from == CommentFrom::Field);
    outcome.selectLastRow = outcome.selectLastRow || step.selectLast;
    Preferences kept = settings_.values();
    kept.preset = run_.rememberedPreset();
    kept.timerMode = run_.timer();
    settings_.set(kept);
    emit applied(outcome);
    if (runChanged)
        emit this->runChanged();
    return outcome;
}

Outcome Timekeeper::restore()
{
    const Preferences &values = settings_.values();
    RunStep step;
    step.display = run_.restore(values.timerMode ? RunMode::Timer : RunMode::Chronometre, values.preset);
    step.heading = Run::startHeading();
    return done(step, {.returnButton = ReturnButton::Start}, false);
}

Outcome Timekeeper::startOrStop(double reading, const QDateTime &now, const QString &comment, CommentFrom from)
{
    if (run_.state() != RunState::Idle)
        return done(run_.stop(reading, now, comment), {.returnButton = ReturnButton::Reset, .dismissAlert = true}, true,
                    from);
    const RunStep step = run_.start(reading, now, comment);
    return done(step,
                {.returnButton = ReturnButton::Lap,
                 .dismissAlert = true,
                 .askAlertMessage = run_.timer() && settings_.values().askMessage},
                true, from);
}

Outcome Timekeeper::pauseOrResume(double reading, const QDateTime &now)
{
    return done(run_.state() == RunState::Running ? run_.pause(reading, now) : run_.resume(reading, now), {});
}

Outcome Timekeeper::reset(double reading, const QDateTime &now)
{
    return done(run_.reset(reading, now),
                {.returnButton = ReturnButton::Start, .dismissAlert = true, .closeAlertQuestion = true});
}

Outcome Timekeeper::lap(double reading, const QString &comment, CommentFrom from)
{
    return done(run_.lap(reading, comment, settings_.values().lapLabel), {}, true, from);
}

Outcome Timekeeper::pressLapKey(double reading, const QDateTime &now, const QString &comment)
{
    switch (run_.state()) {
    case RunState::Idle:
        return startOrStop(reading, now, comment);
    case RunState::Running:
        return lap(reading, comment);
    case RunState::Paused:
        break;
    }
    return {};
}

Outcome Timekeeper::setMode(RunMode mode)
{
    return done(run_.setMode(mode), {.dismissAlert = true});
}

Outcome Timekeeper::stepPreset(int direction, qint64 seconds)
{
    const Run::PresetStep step = run_.stepPreset(direction, seconds);
    RunStep shown;
    shown.display = step.display;
    return done(shown, {.refusal = step.refusal}, false);
}

Outcome Timekeeper::setPreset(qint64 seconds)
{
    RunStep shown;
    shown.display = run_.setPreset(seconds);
    return done(shown, {}, false);
}

QString Timekeeper::display(double reading)
{
    return run_.state() == RunState::Idle ? display_ : run_.shown(reading);
}

Outcome Timekeeper::ending() const
{
    return {.closeAlertQuestion = true, .countdownEnd = CountdownEnd{3, settings_.values().alertMessage}};
}

Outcome Timekeeper::expire(const QDateTime &at)
{
    // The return button and the heading stay as the run left them.
    return done(run_.expire(at), ending());
}

Outcome Timekeeper::takeUp(const RunJournal::Recovered &recovered)
{
    run_ = recovered.run;
    const bool under = run_.state() != RunState::Idle;
    if (recovered.endedAt) {
        Outcome ended = ending();
        ended.returnButton = ReturnButton::Lap;
        return done(run_.expire(*recovered.endedAt), ended);
    }
    RunStep step;
    step.display = recovered.display;
    step.heading = under ? Run::lapHeading(run_.lapNumber()) : Run::startHeading();
    return done(step, {.returnButton = under ? ReturnButton::Lap : ReturnButton::Start});
}

void Timekeeper::removeRows(int row, int count)
{
    list_.removeRows(row, count);
}

void Timekeeper::insertRows(int row, const LapRows &rows)
{
    list_.insertRows(row, rows);
}

void Timekeeper::setCell(int row, int column, const QString &text)
{
    list_.setCell(row, column, text);
}

void Timekeeper::replaceList(const LapRows &rows, const QString &comment, bool showLast)
{
    list_.replace(rows);
    setComment(comment);
    if (showLast)
        emit applied({.selectLastRow = true});
}
