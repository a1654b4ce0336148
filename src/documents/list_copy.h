#pragma once

#include "core/run_journal.h"
#include "core/saved_list.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

class Platform;
class Timekeeper;

// The list in progress and its comment, kept as a saved list in the data
// folder so that a crash, a kill or a logout loses nothing. The rows the list
// gains are added at the end of the copy at once, with the run's new state on
// a line after them; any other change writes the copy whole a second later.
// Both are done away from the event thread, in order, and neither ever
// leaves half of what it writes, so a lap costs the few bytes of its row. The
// copy holds the run under way and the rows since the list was last saved,
// opened or given up (all of them while a run is under way); with nothing to
// hold, it is removed. Each copy an earlier program left stays as it is, in
// its own file, until the user takes it back or gives it up.
class ListCopy : public QObject {
    Q_OBJECT
public:
    // Reads what earlier programs left in the folder; no folder, no copy.
    ListCopy(Timekeeper &timekeeper, Platform &platform, const QString &folder, QObject *parent);
    ~ListCopy() override;

    // Where the program's own copy goes.
    QString path() const { return path_; }

    struct Earlier {
        QString path;
        SavedList::Contents contents;
        std::optional<SavedRun> run;
    };
    // The copies earlier programs left, not yet taken back or given up.
    const QList<Earlier> &earlier() const { return earlier_; }
    // The list now holds that copy's rows: the program's own copy takes its
    // place, in one step.
    void taken(const QString &path);
    // That copy is given up, and removed.
    void forgotten(const QString &path);

    // The list or its comment changed since it was last saved or opened.
    bool unsaved() const { return unsaved_; }
    void changed();
    // The list in progress was saved or opened.
    void discard();
    // The program ends by the user's choice: the list and the run are given up.
    void giveUp();
    // Writes at once, for a logout.
    void writeNow() { write(true); }
    // Writes at once and for the last time: the program is ending, and
    // nothing that still runs may change or remove the copy.
    void writeLast();
    // Waits for the writes under way.
    void finishWriting() { writer_.waitForDone(); }
    // Why the copy cannot be written, until it can again; empty while it can.
    QString problem() const { return problem_; }

signals:
    void problemChanged(const QString &problem);

private:
    void readEarlier(const QString &folder);
    // A change from that row on (-1: the comment, or the whole list), written a second later: added to the end of
    // the copy, or the copy whole anew when it reaches rows already written.
    void rewrite(qsizetype firstChanged);
    void write(bool wait);
    void writeWhole(const QString &header, const QString &comment, const LapRows &rows, const QString &replaced);
    void perform(std::function<QString()> work, bool wait);
    void reported(const QString &problem);

    Timekeeper &timekeeper_;
    Platform &platform_;
    QString path_;
    QList<Earlier> earlier_;
    QTimer delay_{this};
    QThreadPool writer_;
    bool unsaved_ = false;
    bool sealed_ = false;
    bool givenUp_ = false;
    // What the copy on disk holds, as far as the event thread knows.
    struct Written {
        bool exists = false;
        bool list = false;  // the list's rows and comment
        qsizetype rows = 0; // the list's first rows, unchanged since
        QByteArray run;     // the run's state last written
        bool whole = false; // the end of the copy can take what comes next
    } written_;
    // The program's own copy's former place, removed once it is written anew.
    QString stale_;
    QString problem_;
    // Only the writer's thread touches it: a write failed, so the copy may
    // not hold what the event thread thinks; nothing is added to it until it
    // has been written whole again.
    bool broken_ = false;
    QString lastReported_; // also the writer's
};
