#include "timing/list_history.h"

#include "core/timekeeper.h"

#include <algorithm>

namespace {
class RemovedRow : public QUndoCommand {
public:
    RemovedRow(Timekeeper &timekeeper, int row)
        : timekeeper_(timekeeper), row_(row), cells_(timekeeper.list().rows().first(row + 1).sliced(row))
    {
    }
    void redo() override { timekeeper_.removeRows(row_, 1); }
    void undo() override { timekeeper_.insertRows(row_, cells_); }

private:
    Timekeeper &timekeeper_;
    int row_;
    LapRows cells_;
};

class ClearedList : public QUndoCommand {
public:
    explicit ClearedList(Timekeeper &timekeeper)
        : timekeeper_(timekeeper), rows_(timekeeper.list().rows()), runs_(timekeeper.run().runNumber())
    {
    }
    void redo() override
    {
        timekeeper_.removeRows(0, int(std::min(rows_.size(), qsizetype(timekeeper_.list().rowCount()))));
        timekeeper_.renumberRuns(1);
    }
    void undo() override
    {
        // Before the rows timed since; the runs go on from their numbers
        // unless one was numbered meanwhile.
        if (timekeeper_.run().runNumber() == 1)
            timekeeper_.renumberRuns(runs_);
        timekeeper_.insertRows(0, rows_);
    }

private:
    Timekeeper &timekeeper_;
    LapRows rows_;
    int runs_;
};

class EditedCell : public QUndoCommand {
public:
    EditedCell(Timekeeper &timekeeper, int row, int column, QString before)
        : timekeeper_(timekeeper), row_(row), column_(column), before_(std::move(before)),
          after_(timekeeper.list().rows().cell(row, column))
    {
    }
    // Pushed once the edit is made.
    void redo() override
    {
        if (!std::exchange(first_, false))
            timekeeper_.setCell(row_, column_, after_);
    }
    void undo() override { timekeeper_.setCell(row_, column_, before_); }

private:
    Timekeeper &timekeeper_;
    int row_;
    int column_;
    QString before_;
    QString after_;
    bool first_ = true;
};
} // namespace

ListHistory::ListHistory(Timekeeper &timekeeper, QObject *parent) : QUndoStack(parent), timekeeper_(timekeeper)
{
    setUndoLimit(100);
    connect(&timekeeper.model(), &QAbstractItemModel::modelReset, this, &QUndoStack::clear);
    connect(&timekeeper.model(), &LapList::cellEdited, this, [this](int row, int column, const QString &before) {
        push(new EditedCell(timekeeper_, row, column, before));
    });
}

void ListHistory::removeRow(int row)
{
    push(new RemovedRow(timekeeper_, row));
}

void ListHistory::clearList()
{
    push(new ClearedList(timekeeper_));
}
