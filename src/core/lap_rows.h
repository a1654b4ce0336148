#pragma once

#include "core/list_row.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <initializer_list>

// The lap list's rows, kept compact: the cells of each row stand back to back
// in one UTF-8 buffer as a saved document has them ("label\ttime\tdifference"),
// and a row costs a few bytes beyond its text. A buffer read from a file is
// kept whole and its rows point into it. A copy costs nothing until one of the
// two changes.
class LapRows {
public:
    LapRows() = default;
    LapRows(std::initializer_list<ListRow> rows);
    // Rows that will point into the buffer, added with appendLine().
    explicit LapRows(QByteArray buffer) : text_(std::move(buffer)) {}

    qsizetype size() const { return spans_.size(); }
    bool isEmpty() const { return spans_.isEmpty(); }

    void append(const ListRow &row);
    void append(const LapRows &rows);
    void append(const QList<ListRow> &rows);
    // A line of the buffer holding two tabs at least: its label is `label`
    // bytes long, its time `time` bytes, its difference the rest up to `end`.
    void appendLine(qsizetype start, qsizetype label, qsizetype time, qsizetype end);
    // Rows put in before row `at`.
    void insert(qsizetype at, const LapRows &rows);

    ListRow at(qsizetype row) const;
    QString cell(qsizetype row, int column) const;
    void setCell(qsizetype row, int column, const QString &text);
    // The row as a document line, without its line end.
    QByteArrayView line(qsizetype row) const;
    void remove(qsizetype row, qsizetype count = 1);
    void clear();
    // The first `count` rows (all when count is larger), and the rows from
    // `start` on; both share this buffer.
    LapRows first(qsizetype count) const;
    LapRows sliced(qsizetype start) const;

    bool operator==(const LapRows &other) const;

private:
    struct Span {
        qsizetype start;
        quint32 length[3];
        qsizetype size() const { return qsizetype(length[0]) + length[1] + length[2] + 2; }
    };
    QByteArrayView view(qsizetype row, int column) const;
    void appendText(const QByteArray &label, const QByteArray &time, const QByteArray &difference);

    QByteArray text_;
    QList<Span> spans_;
};
