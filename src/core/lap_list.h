#pragma once

#include "core/lap_rows.h"

#include <QAbstractTableModel>

// The lap list as a model of three columns: label, time, difference. Cells
// keep no tab or line break, so a saved document keeps its columns; a column
// can be edited only while the list is made editable.
class LapList : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LapList(QObject *parent = nullptr);

    // True for a row whose time and difference are empty (a pause's, a
    // resume's, a countdown's end): its label may take their room.
    static constexpr int LabelAloneRole = Qt::UserRole;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Never shown, but screen readers name the cells by them.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const LapRows &rows() const { return rows_; }
    ListRow row(int row) const { return rows_.at(row); }
    void append(const QList<ListRow> &rows);
    // Rows put back before row `row`, as taking back a change does.
    void insertRows(int row, const LapRows &rows);
    // A cell set by the program, whether the list is editable or not.
    void setCell(int row, int column, const QString &text);
    // A whole list at once, as opening a document gives it.
    void replace(const LapRows &rows);
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;
    void clear();

    void setEditable(bool editable);

signals:
    // The user's edit of a cell was committed; it held `before`.
    void cellEdited(int row, int column, const QString &before);

private:
    LapRows rows_;
    bool editable_ = false;
};
