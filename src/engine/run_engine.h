#pragma once

#include "core/list_row.h"
#include "engine/variables_globales.h"

#include <QList>
#include <QTime>

// The run engine's rules without widgets: every journal row and display text
// of a start, stop, tick, pause, resume, reset, lap and expiry, worked out
// from the mode, the counters and readings of VariablesGlobales, the comment
// and the time of day. Clock readings are in microseconds.
namespace RunEngine {
// "n: comment" when a comment was typed, the fallback otherwise.
QString labelFor(int number, const QString &comment, const QString &fallback);

// The run's time at a reading, which becomes Temps_nouveau: elapsed in
// Chronomètre mode, remaining in Timer mode (mode_timer).
QString displayTime(VariablesGlobales &vg, double reading);
// Temps_nouveau - temps_precedent as a difference text; moves temps_precedent.
QString difference(VariablesGlobales &vg);

// The caption over the comment field while idle, and while lap `next` is due.
QString startHeading();
QString lapHeading(int next);

// A run starts at `reading`; `later` is when the countdown's remaining time
// is first taken.
void start(VariablesGlobales &vg, double reading, double later, double presetSeconds);
// The start row; a Timer start also advances the run number.
ListRow startRow(VariablesGlobales &vg, bool timer, const QString &comment, const QString &longTime, int preset);

// The tick comes this long after a start or a resume, and after the tick that
// finds a countdown's last second; it is the engine's precision.
constexpr int kFirstTickMs = 10;
// Milliseconds from a tick at `reading` to the next one: just after the shown
// second next changes (elapsed in Chronomètre mode, remaining in Timer mode).
int nextTickDelay(const VariablesGlobales &vg, bool timer, double reading);
// Milliseconds from `moment` to just after the next whole second of the day.
int nextClockDelay(const QTime &moment);

struct Tick {
    QString text; // the display's text, "H:MM:SS:00"
    bool expired = false;
};
// A late tick that finds the countdown over expires it at once instead of
// showing a negative time.
Tick tick(VariablesGlobales &vg, bool timer, double reading);

struct Stop {
    QString display; // at `reading`
    ListRow row;     // its time at `later`
};
// A Chronomètre stop also advances the run number.
Stop stop(VariablesGlobales &vg, bool timer, const QString &comment, const QString &longTime, double reading,
          double later);

void pause(VariablesGlobales &vg, double reading);
// Moves the run's start by the pause's length, so the pause does not count.
void resume(VariablesGlobales &vg, double reading);
ListRow pauseRow(bool timer, const QString &longTime);
ListRow resumeRow(bool timer, const QString &longTime);

// Closes a run under way; advances the run number.
ListRow resetRow(VariablesGlobales &vg, bool timer, const QString &longTime, double reading);
// The lap's row; the first lap's difference is measured but not shown, so
// the second is measured from the first. Advances the lap number.
ListRow lapRow(VariablesGlobales &vg, const QString &comment, const QString &lapLabel, double reading);
ListRow expiryRow(const VariablesGlobales &vg, const QString &longTime);
// The separator row and the blank row that end every run.
QList<ListRow> closingRows();
} // namespace RunEngine
