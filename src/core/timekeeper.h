#pragma once

#include "core/lap_list.h"
#include "core/run.h"
#include "core/run_journal.h"

#include <QDateTime>
#include <QObject>

#include <optional>

class Settings;

// The button Return presses next.
enum class ReturnButton { Start, Lap, Reset };

// What a countdown's end makes the program do.
struct CountdownEnd {
    int beeps = 3;
    QString message{}; // in the alert and the desktop's notification
};

// What a command leaves the windows to show and do.
struct Outcome {
    QString display{}; // the display's new text; empty leaves it
    QString heading{}; // the comment box's new heading; empty leaves it
    bool clearComment = false;
    bool selectLastRow = false;
    std::optional<ReturnButton> returnButton{};
    bool dismissAlert = false;       // a countdown's alert hidden, its notification withdrawn
    bool closeAlertQuestion = false; // the question for the alert's message closed
    bool askAlertMessage = false;
    std::optional<CountdownEnd> countdownEnd{};
    QString refusal{}; // a preset step past a limit: one beep, and this said
};

// Where a command's comment comes from: the window's comment field, which
// the command then empties where it uses the comment, or elsewhere.
enum class CommentFrom { Field, Elsewhere };

// The program's state: the run, the lap list, the timing's comment, the next
// document's number and the settings. Every way in calls its commands. Each
// takes the moment of the press that caused it (a clock reading, and the time
// of day for the rows), adds the rows, and returns what to show and do, which
// applied() gives to whatever shows the run.
class Timekeeper : public QObject {
    Q_OBJECT
public:
    explicit Timekeeper(Settings &settings, QObject *parent = nullptr);

    const Run &run() const { return run_; }
    const LapList &list() const { return list_; }
    // The list's model, for the views; its rows change through the commands.
    LapList &model() { return list_; }
    Settings &settings() { return settings_; }

    // The timing's comment: asked before saving or printing, read from a list.
    QString comment() const { return comment_; }
    void setComment(const QString &comment);
    // "Document VelTiming", then "Document VelTiming 2" once one is saved, and on.
    QString documentName() const;
    void countDocument() { ++documents_; }

    // The run as the settings leave it at start-up: their mode and preset.
    Outcome restore();
    Outcome startOrStop(double reading, const QDateTime &now, const QString &comment,
                        CommentFrom from = CommentFrom::Field);
    Outcome pauseOrResume(double reading, const QDateTime &now);
    Outcome reset(double reading, const QDateTime &now);
    Outcome lap(double reading, const QString &comment, CommentFrom from = CommentFrom::Field);
    // The key that takes a lap from anywhere: a lap while running, the start
    // when idle, nothing while paused.
    Outcome pressLapKey(double reading, const QDateTime &now, const QString &comment);
    Outcome setMode(RunMode mode);
    // direction +1 or -1.
    Outcome stepPreset(int direction, qint64 seconds);
    // A preset within the limits, set whole.
    Outcome setPreset(qint64 seconds);
    // The display at a reading; once a countdown is over, expire() ends it.
    Run::Tick tick(double reading) { return run_.tick(reading); }
    // What the display shows at a reading: the running time, or the last
    // text a command gave it.
    QString display(double reading);
    Outcome expire(const QDateTime &at);
    // The run an earlier program left, as it stands on today's clocks.
    Outcome takeUp(const RunJournal::Recovered &recovered);

    void removeRows(int row, int count);
    void insertRows(int row, const LapRows &rows);
    void setCell(int row, int column, const QString &text);
    // The list a document or a copy gives; taken back from a copy, it shows
    // its last row.
    void replaceList(const LapRows &rows, const QString &comment, bool showLast = false);
    void renumberRuns(int next) { run_.renumberRuns(next); }

signals:
    void applied(const Outcome &outcome);
    // The run's state changed: started, stopped, paused, resumed, reset, a
    // lap, a mode, an end, taken up.
    void runChanged();
    void commentChanged();

private:
    // Adds the step's rows, keeps the mode and preset in the settings, and
    // gives the outcome to whatever shows the run.
    Outcome done(const RunStep &step, Outcome outcome, bool runChanged = true, CommentFrom from = CommentFrom::Field);
    // What a countdown's end does.
    Outcome ending() const;

    Settings &settings_;
    Run run_;
    LapList list_;
    QString comment_;
    int documents_ = 1;
    QString display_;
};
