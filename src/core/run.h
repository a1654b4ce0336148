#pragma once

#include "core/list_row.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

enum class RunMode : quint8 { Chronometre, Timer };
enum class RunState : quint8 { Idle, Running, Paused };

// What one of the run's operations gives the window to show.
struct RunStep {
    QList<ListRow> rows;      // appended to the list
    QString display;          // the display's new text; empty leaves it as it is
    QString heading;          // the comment field's new caption; empty leaves it
    bool selectLast = false;  // the list's last row is selected
    bool commentUsed = false; // the comment field is emptied
};

// The run: its mode and state, its clock readings, the run and lap numbers and
// the countdown's preset. Each operation takes a clock reading in microseconds
// (a clock that counts on while the machine sleeps) and, where a row tells it,
// the time of day; it gives back the rows to add and the texts to show.
// Stop and reset close a pause themselves, so a pause never counts as time,
// neither in a row's time nor in its difference.
class Run {
public:
    RunMode mode() const { return mode_; }
    RunState state() const { return state_; }
    bool timer() const { return mode_ == RunMode::Timer; }

    // The preset a countdown starts from, as the display shows it, and the one
    // the arrows and the preferences keep; whole seconds. They differ after a
    // refused step.
    qint64 preset() const { return preset_; }
    qint64 rememberedPreset() const { return remembered_; }
    // The settings restored at start-up; the display then shows the mode's
    // starting time.
    QString restore(RunMode mode, qint64 preset);

    int runNumber() const { return runNumber_; }
    int lapNumber() const { return lapNumber_; }
    // Runs are numbered from 1 again once the list is cleared, and as they
    // were when that is taken back.
    void renumberRuns(int next = 1) { runNumber_ = next; }

    // Every row and text of one operation comes from its one reading.
    RunStep start(double reading, const QDateTime &now, const QString &comment);
    RunStep stop(double reading, const QDateTime &now, const QString &comment);
    RunStep pause(double reading, const QDateTime &now);
    RunStep resume(double reading, const QDateTime &now);
    RunStep reset(double reading, const QDateTime &now);
    RunStep lap(double reading, const QString &comment, const QString &lapLabel);

    struct Tick {
        QString display; // "H:MM:SS:00"; empty once the countdown is over
        bool expired = false;
        int nextDelayMs = 0; // to just after the display's next change
    };
    // A late tick that finds the countdown over expires it at once instead of
    // showing a negative time.
    Tick tick(double reading);
    // The countdown's end, once a tick found it.
    RunStep expire(const QDateTime &now);

    RunStep setMode(RunMode mode);
    struct PresetStep {
        QString display;
        QString refusal; // the message of a step past a limit; empty when accepted
    };
    // One step of the arrows: direction +1 or -1, step in seconds.
    PresetStep stepPreset(int direction, qint64 step);
    // A preset within the limits, set whole; the display's new text.
    QString setPreset(qint64 seconds);

    // The run's time at a reading, which it records: elapsed in Chronomètre
    // mode, remaining in Timer mode.
    QString displayTime(double reading);
    // What the display shows of the run at a reading: the tick's time while it
    // runs, the time of the pause while paused, the mode's start when idle.
    QString shown(double reading);
    // The seconds the run under way has counted at a reading, pauses left
    // out; 0 when no run is under way.
    double elapsedSeconds(double reading) const;
    // The latest reading a row was taken at.
    double latestReading() const { return lastReading_; }
    // When a running countdown ends: the tick after the one that finds its
    // last second. Nothing for any other run.
    std::optional<double> endReading() const;
    // How far a countdown under way has gone at a reading, from 0 to 1;
    // nothing for any other run.
    std::optional<double> progress(double reading) const;
    // The same run on a clock whose readings are `offset` further on.
    void shift(double offset);

    // The run in a few bytes, and back; nothing from bytes it did not write.
    QByteArray save() const;
    static std::optional<Run> load(const QByteArray &bytes);

    // The tick comes this long after a start or a resume, and after the tick
    // that finds a countdown's last second; it is the run's precision.
    static constexpr int kFirstTickMs = 10;
    static QString startHeading();
    static QString lapHeading(int next);

private:
    double elapsed(double reading) const;
    // The time from the reading the difference is measured from to the latest
    // one, which the next difference is then measured from.
    QString difference();
    void closePause(double reading);
    RunStep closed(RunStep step) const;

    RunMode mode_ = RunMode::Chronometre;
    RunState state_ = RunState::Idle;
    qint64 preset_ = 0;
    qint64 remembered_ = 0;
    double start_ = 0;           // the run's start, moved on by each pause's length
    double measuredFrom_ = 0;    // the reading the next difference is measured from, moved on likewise
    double lastReading_ = 0;     // the latest reading taken for a row
    double length_ = 0;          // the countdown's length, seconds
    double remaining_ = 0;       // the countdown's remaining seconds at the last tick
    double pausedAt_ = 0;        // the reading at the pause, while paused
    double lastPauseLength_ = 0; // kept with the run's bytes
    qint32 lapNumber_ = 1;
    qint32 runNumber_ = 1;
};
