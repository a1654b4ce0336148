#pragma once

#include "core/run_journal.h"
#include "core/saved_list.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

class LapList;

// The list in progress and its comment, kept as a saved list in the data
// folder so that a crash, a kill or a logout loses nothing. It is written
// whole a second after a change of the list and at once after a change of
// the run, away from the event thread. It holds what is not safe elsewhere:
// the run under way, the rows since the list was last saved, opened or given
// up (all of them while a run is under way), and what an earlier program left
// until that is taken or given up. With nothing to hold, the file is removed.
class ListJournal : public QObject {
public:
    // Reads what an earlier run left in the folder.
    ListJournal(LapList &list, const QString &folder, QObject *parent);
    ~ListJournal() override;

    // The journal of the running program, if any.
    static ListJournal *current();
    QString path() const { return path_; }

    // The list and the run an earlier program left, until settleEarlier().
    const SavedList::Contents &earlier() const { return earlier_; }
    const std::optional<SavedRun> &earlierRun() const { return earlierRun_; }
    // The earlier list and run joined those in progress, or were given up.
    void settleEarlier();

    // The list or its comment changed since it was last saved or opened.
    bool unsaved() const { return unsaved_; }
    void changed();
    // The run changed state: written at once.
    void runChanged() { write(false); }
    // The list in progress was saved or opened.
    void discard();
    // The program ends by the user's choice: the list and the run are given up.
    void giveUp();
    // Writes at once, for a logout.
    void writeNow() { write(true); }
    // Writes at once and for the last time: the program is ending, and
    // nothing that still runs may change or remove the copy.
    void writeLast();
    // Waits for a write under way.
    void finishWriting() { writer_.waitForDone(); }

private:
    void write(bool wait);
    void report(const QString &problem);

    LapList &list_;
    QString path_;
    SavedList::Contents earlier_;
    std::optional<SavedRun> earlierRun_;
    QTimer delay_{this};
    QThreadPool writer_;
    bool unsaved_ = false;
    bool sealed_ = false;
    bool givenUp_ = false;
    bool reported_ = false;
};
