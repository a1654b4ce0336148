#pragma once

#include "core/saved_list.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

class LapList;

// The list in progress and its comment, kept as a saved list in the data
// folder so that a crash, a kill or a logout loses nothing. It is written
// whole a second after a change, away from the event thread, and holds only
// what is not safe elsewhere: the rows since the list was last saved, opened
// or given up, and the list an earlier run left until that one is taken or
// given up. With nothing to hold, the file is removed.
class ListJournal : public QObject {
public:
    // Reads what an earlier run left in the folder.
    ListJournal(LapList &list, const QString &folder, QObject *parent);
    ~ListJournal() override;

    // The journal of the running program, if any.
    static ListJournal *current();
    QString path() const { return path_; }

    // The list an earlier run left, until settleEarlier().
    const SavedList::Contents &earlier() const { return earlier_; }
    // The earlier list joined the list in progress, or was given up.
    void settleEarlier();

    // The list or its comment changed since it was last saved or opened.
    bool unsaved() const { return unsaved_; }
    void changed();
    // The list in progress was saved, opened, or given up.
    void discard();
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
    QTimer delay_{this};
    QThreadPool writer_;
    bool unsaved_ = false;
    bool sealed_ = false;
    bool reported_ = false;
};
