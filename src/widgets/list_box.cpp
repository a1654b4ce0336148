#include "widgets/list_box.h"

#include "core/lap_list.h"
#include "widgets/clean_field.h"
#include "widgets/list_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace {
// The in-place editor keeps the cell free of tabs and line breaks as it goes.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *field = qobject_cast<QLineEdit *>(editor))
            CleanField::guard(field);
        return editor;
    }
};
} // namespace

ListBox::ListBox(LapList &list, QWidget *parent) : QTableView(parent), list_(list)
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
    connect(&list, &LapList::cellEdited, this, &ListBox::cellAction);
}

void ListBox::fitRows()
{
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

void ListBox::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitRows();
}

int ListBox::rowCount() const
{
    return list_.rowCount();
}

int ListBox::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : std::min_element(rows.begin(), rows.end())->row();
}

void ListBox::selectRow(int row)
{
    const QModelIndex index = list_.index(row, 0);
    if (!index.isValid()) {
        clearSelection();
        return;
    }
    setCurrentIndex(index);
    scrollTo(index);
}

void ListBox::selectLastRow()
{
    selectRow(rowCount() - 1);
}

void ListBox::setColumnWidths(const QString &percentages)
{
    const QStringList parts = percentages.split(QLatin1Char(','));
    for (int column = 0; column < 3; ++column)
        percents_[column] = QString(parts.value(column)).remove(QLatin1Char('%')).trimmed().toInt();
    applyWidths();
}

void ListBox::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    applyWidths();
}

void ListBox::applyWidths()
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

void ListBox::copy()
{
    QModelIndexList selected = selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end());
    LapRows copied;
    for (const QModelIndex &index : selected)
        copied.append(list_.row(index.row()));
    QGuiApplication::clipboard()->setMimeData(ListClipboard::mimeData(copied.isEmpty() ? list_.rows() : copied));
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    // Whole rows, where the view would copy the current cell alone.
    if (event->matches(QKeySequence::Copy))
        copy();
    else
        QTableView::keyPressEvent(event);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClick();
    QTableView::mouseDoubleClickEvent(event);
}

void ListBox::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab ends the edit without opening the next cell: one double-click, one edit.
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem)
        hint = QAbstractItemDelegate::NoHint;
    QTableView::closeEditor(editor, hint);
}
