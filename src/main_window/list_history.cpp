#include "main_window/list_history.h"

#include "core/lap_list.h"
#include "core/run.h"

#include <algorithm>

namespace {
class RemovedRow : public QUndoCommand {
public:
    RemovedRow(LapList &list, int row) : list_(list), row_(row), cells_(list.rows().first(row + 1).sliced(row)) {}
    void redo() override { list_.removeRow(row_); }
    void undo() override { list_.insertRows(row_, cells_); }

private:
    LapList &list_;
    int row_;
    LapRows cells_;
};

class ClearedList : public QUndoCommand {
public:
    ClearedList(LapList &list, Run &run) : list_(list), run_(run), rows_(list.rows()), runs_(run.runNumber()) {}
    void redo() override
    {
        list_.removeRows(0, int(std::min(rows_.size(), qsizetype(list_.rowCount()))));
        run_.renumberRuns();
    }
    void undo() override
    {
        // Before the rows timed since; the runs go on from their numbers
        // unless one was numbered meanwhile.
        if (run_.runNumber() == 1)
            run_.renumberRuns(runs_);
        list_.insertRows(0, rows_);
    }

private:
    LapList &list_;
    Run &run_;
    LapRows rows_;
    int runs_;
};

class EditedCell : public QUndoCommand {
public:
    EditedCell(LapList &list, int row, int column, QString before)
        : list_(list), row_(row), column_(column), before_(std::move(before)), after_(list.rows().cell(row, column))
    {
    }
    // Pushed once the edit is made.
    void redo() override
    {
        if (!std::exchange(first_, false))
            list_.setCell(row_, column_, after_);
    }
    void undo() override { list_.setCell(row_, column_, before_); }

private:
    LapList &list_;
    int row_;
    int column_;
    QString before_;
    QString after_;
    bool first_ = true;
};
} // namespace

ListHistory::ListHistory(LapList &list, Run &run, QObject *parent) : QUndoStack(parent), list_(list), run_(run)
{
    setUndoLimit(100);
    connect(&list, &QAbstractItemModel::modelReset, this, &QUndoStack::clear);
    connect(&list, &LapList::cellEdited, this,
            [this](int row, int column, const QString &before) { push(new EditedCell(list_, row, column, before)); });
}

void ListHistory::removeRow(int row)
{
    push(new RemovedRow(list_, row));
}

void ListHistory::clearList()
{
    push(new ClearedList(list_, run_));
}
