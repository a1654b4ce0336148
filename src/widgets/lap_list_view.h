#pragma once

#include <QTableView>

class LapList;

// The lap list's view: three columns without headings, whose widths are
// percentages of its width. Rows are selected as in a file list (Shift, Ctrl)
// and copied with Ctrl+C. A cell is edited in place where the model allows.
// Rows are all as high, so a row added to a long list costs no layout of the
// others.
class LapListView : public QTableView {
    Q_OBJECT
public:
    LapListView(LapList &list, QWidget *parent);

    LapList &list() const { return list_; }
    int rowCount() const;
    // The first selected row; -1 when none is.
    int selectedRow() const;
    void selectRow(int row);
    void selectLastRow();

    // "50%,25%,25%": a 0% column is hidden.
    void setColumnWidths(const QString &percentages);

public slots:
    // The selected rows, or all of them when none is, to the clipboard.
    void copy();

signals:
    void doubleClick();
    // A cell's editor closed, its edit committed or not.
    void editEnded();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void applyWidths();
    void fitRows();

    LapList &list_;
    int percents_[3] = {50, 25, 25};
};
