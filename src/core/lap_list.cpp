#include "core/lap_list.h"

#include "core/cell_text.h"

LapList::LapList(QObject *parent) : QAbstractTableModel(parent) {}

int LapList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int LapList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant LapList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return rows_.cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) // times to the right, so that their digits line up
        return int((index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    if (role == LabelAloneRole)
        return rows_.cell(index.row(), 1).isEmpty() && rows_.cell(index.row(), 2).isEmpty();
    return {};
}

bool LapList::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !editable_)
        return false;
    const QString before = rows_.cell(index.row(), index.column());
    setCell(index.row(), index.column(), value.toString());
    emit cellEdited(index.row(), index.column(), before);
    return true;
}

Qt::ItemFlags LapList::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && editable_)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant LapList::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const kNames[] = {"Commentaire", "Temps", "Écart"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 2)
        return {};
    return QString::fromUtf8(kNames[section]);
}

void LapList::append(const QList<ListRow> &rows)
{
    if (rows.isEmpty())
        return;
    beginInsertRows({}, rowCount(), rowCount() + int(rows.size()) - 1);
    for (const ListRow &row : rows)
        rows_.append(row);
    endInsertRows();
}

void LapList::insertRows(int row, const LapRows &rows)
{
    if (rows.isEmpty() || row < 0 || row > rowCount())
        return;
    beginInsertRows({}, row, row + int(rows.size()) - 1);
    rows_.insert(row, rows);
    endInsertRows();
}

void LapList::setCell(int row, int column, const QString &text)
{
    rows_.setCell(row, column, CellText::clean(text));
    emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole, Qt::EditRole});
}

void LapList::replace(const LapRows &rows)
{
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

bool LapList::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
        return false;
    beginRemoveRows({}, row, row + count - 1);
    rows_.remove(row, count);
    endRemoveRows();
    return true;
}

void LapList::clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void LapList::setEditable(bool editable)
{
    editable_ = editable;
}
