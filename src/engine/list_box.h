#pragma once

#include "core/list_row.h"

#include <QList>
#include <QTreeWidget>

// A list of rows of three text cells without headings, whose column widths
// are percentages of its width and whose columns can be made editable. Rows
// are selected as in a file list (Shift, Ctrl) and copied with Ctrl+C.
class ListBox : public QTreeWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    int addRow(const ListRow &row);
    int addRow(const QString &label) { return addRow(ListRow{label, {}, {}}); }
    // Appends many rows at once, for opening large documents quickly.
    void addRows(const QList<ListRow> &rows);
    // The first count rows (all when count is larger).
    QList<ListRow> rows(int count) const;
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    int lastIndex() const { return lastAdded_; }
    int rowCount() const { return topLevelItemCount(); }
    // -1 when no row is selected.
    int selectedRow() const;
    void selectRow(int row);
    void selectLastRow();
    void removeRow(int row);
    void deleteAllRows();

    // "50%,25%,25%": a 0% column is hidden.
    void setColumnWidths(const QString &percentages);
    QString columnWidths() const { return widthsText_; }
    void setColumnAlignment(int column, Qt::Alignment alignment);
    Qt::Alignment columnAlignment(int column) const { return alignments_.value(column); }
    void setColumnEditable(int column, bool editable);
    bool columnEditable(int column) const { return editable_.value(column); }

public slots:
    // The selected rows, or all of them when none is, to the clipboard.
    void copy();

signals:
    void doubleClick();
    void cellAction(int row, int column);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void applyWidths();
    QTreeWidgetItem *newItem(const ListRow &row) const;

    QString widthsText_;
    QList<int> percents_{50, 25, 25};
    QList<Qt::Alignment> alignments_{Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignLeft | Qt::AlignVCenter,
                                     Qt::AlignLeft | Qt::AlignVCenter};
    QList<bool> editable_{false, false, false};
    int lastAdded_ = -1;
};
