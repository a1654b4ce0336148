#include "widgets/lap_list_view.h"

#include "core/lap_list.h"
#include "widgets/clean_field.h"
#include "widgets/list_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {
// The in-place editor keeps the cell free of tabs and line breaks as it goes.
// A row with a label alone (a pause, a resume, the end of a countdown) shows
// it across its empty cells, so its time of day is seen whole.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(QTableView *view) : QStyledItemDelegate(view), view_(view) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *field = qobject_cast<QLineEdit *>(editor))
            CleanField::guard(field);
        return editor;
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (!index.data(LapList::LabelAloneRole).toBool()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        // Each cell draws its share of the label laid across the row, so a
        // cell repainted alone shows what it showed.
        const int last = view_->isColumnHidden(2) ? 1 : 2;
        QStyleOptionViewItem row = option;
        initStyleOption(&row, index.siblingAtColumn(0));
        row.rect.setLeft(view_->columnViewportPosition(0));
        row.rect.setRight(view_->columnViewportPosition(last) + view_->columnWidth(last) - 1);
        painter->save();
        painter->setClipRect(option.rect);
        view_->style()->drawControl(QStyle::CE_ItemViewItem, &row, painter, view_);
        painter->restore();
    }

private:
    QTableView *view_;
};
} // namespace

LapListView::LapListView(LapList &list, QWidget *parent) : QTableView(parent), list_(list)
{
    setModel(&list);
    setItemDelegate(new CellDelegate(this));
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false); // Tab leaves the list, as it leaves any other control
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::SelectedClicked);
    fitRows();
}

void LapListView::fitRows()
{
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
}

void LapListView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitRows();
}

int LapListView::rowCount() const
{
    return list_.rowCount();
}

int LapListView::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : std::min_element(rows.begin(), rows.end())->row();
}

void LapListView::selectRow(int row)
{
    const QModelIndex index = list_.index(row, 0);
    if (!index.isValid()) {
        clearSelection();
        return;
    }
    // The row alone, whatever keys are held: a key from anywhere may come
    // with Shift or Ctrl down, which would otherwise extend the selection.
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void LapListView::selectLastRow()
{
    selectRow(rowCount() - 1);
}

void LapListView::setColumnWidths(const QString &percentages)
{
    const QStringList parts = percentages.split(QLatin1Char(','));
    for (int column = 0; column < 3; ++column)
        percents_[column] = QString(parts.value(column)).remove(QLatin1Char('%')).trimmed().toInt();
    applyWidths();
}

void LapListView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    applyWidths();
}

void LapListView::applyWidths()
{
    const int total = viewport()->width();
    int used = 0;
    for (int column = 0; column < 3; ++column) {
        setColumnHidden(column, percents_[column] == 0);
        // The last visible column takes what rounding left over.
        const bool last = column == 2 || (column == 1 && percents_[2] == 0);
        const int width = last ? total - used : total * percents_[column] / 100;
        setColumnWidth(column, qMax(0, width));
        used += width;
    }
}

void LapListView::copy()
{
    QModelIndexList selected = selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end());
    LapRows copied;
    for (const QModelIndex &index : selected)
        copied.append(list_.row(index.row()));
    QGuiApplication::clipboard()->setMimeData(ListClipboard::mimeData(copied.isEmpty() ? list_.rows() : copied));
}

void LapListView::keyPressEvent(QKeyEvent *event)
{
    // Whole rows, where the view would copy the current cell alone.
    if (event->matches(QKeySequence::Copy))
        copy();
    else
        QTableView::keyPressEvent(event);
}

void LapListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClick();
    QTableView::mouseDoubleClickEvent(event);
}

void LapListView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // First, so that Tab finds no other cell to open: one double-click, one edit.
    emit editEnded();
    QTableView::closeEditor(editor, hint);
}
