#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

class ListBox;

// The list in progress and its comment, kept as a saved list in the data
// folder so that a crash, a kill or a logout loses nothing. It is written
// whole a second after a change, away from the event thread, and removed
// once the list is saved, given up or empty. A journal that cannot be
// written is tried again at the next change.
class ListJournal : public QObject {
public:
    ListJournal(ListBox &list, const QString &folder, QObject *parent);
    ~ListJournal() override;

    // The journal of the running program, if any.
    static ListJournal *current();
    QString path() const { return path_; }

    // Holds writes back, so an earlier run's journal stays as it is until it
    // has been offered back; release() writes what changed meanwhile.
    void hold();
    void release();

    void changed();
    // Writes at once, for a signal or a logout.
    void writeNow();
    // The list was saved or given up.
    void discard();
    // Waits for a write under way.
    void finishWriting() { writer_.waitForDone(); }

private:
    void write(bool wait);

    ListBox &list_;
    QString path_;
    QTimer delay_{this};
    QThreadPool writer_;
    bool held_ = false;
    bool pending_ = false;
};
