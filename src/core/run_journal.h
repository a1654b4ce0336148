#pragma once

#include "core/list_row.h"
#include "core/run.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The run as the copy of the list in progress keeps it: its bytes, the
// reading and the time of day when they were written, and the boot the
// readings belong to. It rides on the copy's header line, and each later
// state on a line of its own after the rows, where a reader of documents
// takes no notice of it.
struct SavedRun {
    QByteArray run;
    QByteArray boot;
    double reading = 0;
    QDateTime wall;
};

namespace RunJournal {
QString header(const QString &documentHeader, const SavedRun &saved);
// A later state of the run, as a line of its own, its line end included.
QByteArray line(const SavedRun &saved);
// The run a document holds last, if any: the last line of a run after the
// rows' start, or else the one in the first line.
std::optional<SavedRun> read(const QByteArray &document);

struct Recovered {
    Run run;
    QString display;
    // A countdown that ended while the program was down: when it ended.
    std::optional<QDateTime> endedAt;
    // Neither clock could be trusted (the wall clock went back across a
    // reboot): the run was stopped at the last time known, with these rows.
    QList<ListRow> stopRows;
};
// The run brought onto the clock of now. Within one boot the readings stay
// valid; after a reboot the wall clock tells how long the program was down.
std::optional<Recovered> recover(const SavedRun &saved, const QByteArray &boot, double now, const QDateTime &wallNow);
} // namespace RunJournal
