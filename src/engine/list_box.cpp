#include "engine/list_box.h"

#include "core/cell_text.h"
#include "engine/clean_field.h"
#include "engine/list_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {
// The in-place editor keeps cells free of tabs and line breaks.
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
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *field = qobject_cast<QLineEdit *>(editor))
            model->setData(index, CellText::clean(field->text()), Qt::EditRole);
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }
};
} // namespace

ListBox::ListBox(QWidget *parent) : QTreeWidget(parent)
{
    setItemDelegate(new CellDelegate(this));
    setColumnCount(3);
    // Never shown, but screen readers name the cells by them.
    setHeaderLabels({QStringLiteral("Commentaire"), QStringLiteral("Temps"), QStringLiteral("Écart")});
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::SelectedClicked);
    header()->setStretchLastSection(false);
    setColumnWidths(QStringLiteral("50%,25%,25%"));
}

QTreeWidgetItem *ListBox::newItem(const ListRow &row) const
{
    auto *item = new QTreeWidgetItem(QStringList{row.label, row.time, row.difference});
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    for (int column = 0; column < 3; ++column)
        item->setTextAlignment(column, alignments_[column]);
    return item;
}

int ListBox::addRow(const ListRow &row)
{
    addTopLevelItem(newItem(row));
    lastAdded_ = topLevelItemCount() - 1;
    return lastAdded_;
}

void ListBox::addRows(const QList<ListRow> &rows)
{
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const ListRow &row : rows)
        items.append(newItem(row));
    addTopLevelItems(items);
    lastAdded_ = topLevelItemCount() - 1;
}

QList<ListRow> ListBox::rows(int count) const
{
    QList<ListRow> result;
    const int n = qMin(count, topLevelItemCount());
    result.reserve(n);
    for (int i = 0; i < n; ++i) {
        const QTreeWidgetItem *item = topLevelItem(i);
        result.append({item->text(0), item->text(1), item->text(2)});
    }
    return result;
}

QString ListBox::cell(int row, int column) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

void ListBox::setCell(int row, int column, const QString &text)
{
    if (QTreeWidgetItem *item = topLevelItem(row))
        item->setText(column, text);
}

int ListBox::selectedRow() const
{
    const QList<QTreeWidgetItem *> items = selectedItems();
    return items.isEmpty() ? -1 : indexOfTopLevelItem(items.first());
}

void ListBox::selectRow(int row)
{
    QTreeWidgetItem *item = topLevelItem(row);
    if (!item) {
        clearSelection();
        return;
    }
    setCurrentItem(item);
    scrollToItem(item);
}

void ListBox::selectLastRow()
{
    selectRow(rowCount() - 1);
}

void ListBox::removeRow(int row)
{
    delete takeTopLevelItem(row);
    if (lastAdded_ >= topLevelItemCount())
        lastAdded_ = topLevelItemCount() - 1;
}

void ListBox::deleteAllRows()
{
    clear();
    lastAdded_ = -1;
}

void ListBox::setColumnWidths(const QString &percentages)
{
    widthsText_ = percentages;
    const QStringList parts = percentages.split(QLatin1Char(','));
    for (int column = 0; column < 3 && column < parts.size(); ++column) {
        QString part = parts[column].trimmed();
        part.remove(QLatin1Char('%'));
        percents_[column] = part.toInt();
    }
    applyWidths();
}

void ListBox::setColumnAlignment(int column, Qt::Alignment alignment)
{
    alignments_[column] = alignment | Qt::AlignVCenter;
    for (int row = 0; row < topLevelItemCount(); ++row)
        topLevelItem(row)->setTextAlignment(column, alignments_[column]);
}

void ListBox::setColumnEditable(int column, bool editable)
{
    editable_[column] = editable;
}

void ListBox::resizeEvent(QResizeEvent *event)
{
    QTreeWidget::resizeEvent(event);
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
    QList<ListRow> copied;
    QModelIndexList selected = selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end());
    for (const QModelIndex &index : selected)
        copied.append({cell(index.row(), 0), cell(index.row(), 1), cell(index.row(), 2)});
    QGuiApplication::clipboard()->setMimeData(ListClipboard::mimeData(copied.isEmpty() ? rows(rowCount()) : copied));
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    // Whole rows, where the view would copy the current cell alone.
    if (event->matches(QKeySequence::Copy))
        copy();
    else
        QTreeWidget::keyPressEvent(event);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClick();
    QTreeWidget::mouseDoubleClickEvent(event);
}

bool ListBox::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (trigger != QAbstractItemView::AllEditTriggers && index.isValid() && !editable_.value(index.column()))
        return false;
    return QTreeWidget::edit(index, trigger, event);
}

void ListBox::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab ends the edit without opening the next cell: one double-click, one edit.
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem)
        hint = QAbstractItemDelegate::NoHint;
    QTreeWidget::closeEditor(editor, hint);
}

void ListBox::commitData(QWidget *editor)
{
    QTreeWidget::commitData(editor);
    const QModelIndex index = currentIndex();
    emit cellAction(index.row(), index.column());
}
