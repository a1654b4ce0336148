#include "core/lap_rows.h"

#include "core/cell_text.h"

#include <algorithm>

LapRows::LapRows(std::initializer_list<ListRow> rows)
{
    for (const ListRow &row : rows)
        append(row);
}

void LapRows::appendText(const QByteArray &label, const QByteArray &time, const QByteArray &difference)
{
    const qsizetype start = text_.size();
    text_.append(label).append('\t').append(time).append('\t').append(difference);
    spans_.append(Span{start, {quint32(label.size()), quint32(time.size()), quint32(difference.size())}});
}

void LapRows::append(const ListRow &row)
{
    appendText(row.label.toUtf8(), row.time.toUtf8(), row.difference.toUtf8());
}

void LapRows::append(const LapRows &rows)
{
    const qsizetype offset = text_.size();
    text_.append(rows.text_);
    spans_.reserve(spans_.size() + rows.spans_.size());
    for (Span span : rows.spans_) {
        span.start += offset;
        spans_.append(span);
    }
}

void LapRows::insert(qsizetype at, const LapRows &rows)
{
    LapRows moved = rows;
    const qsizetype offset = text_.size();
    text_.append(rows.text_);
    for (Span &span : moved.spans_)
        span.start += offset;
    spans_.insert(at, moved.spans_.size(), Span{});
    std::copy(moved.spans_.cbegin(), moved.spans_.cend(), spans_.begin() + at);
}

void LapRows::append(const QList<ListRow> &rows)
{
    for (const ListRow &row : rows)
        append(row);
}

void LapRows::appendLine(qsizetype start, qsizetype label, qsizetype time, qsizetype end)
{
    spans_.append(Span{start, {quint32(label), quint32(time), quint32(end - start - label - time - 2)}});
}

QByteArrayView LapRows::view(qsizetype row, int column) const
{
    const Span &span = spans_.at(row);
    qsizetype at = span.start;
    for (int c = 0; c < column; ++c)
        at += qsizetype(span.length[c]) + 1;
    return span.length[column] == 0 ? QByteArrayView() : QByteArrayView(text_.constData() + at, span.length[column]);
}

QString LapRows::cell(qsizetype row, int column) const
{
    if (row < 0 || row >= spans_.size() || column < 0 || column > 2)
        return QString();
    return CellText::fromUtf8(view(row, column));
}

ListRow LapRows::at(qsizetype row) const
{
    return {cell(row, 0), cell(row, 1), cell(row, 2)};
}

void LapRows::setCell(qsizetype row, int column, const QString &text)
{
    // The row is written again at the end; the old text stays behind unused.
    const QByteArray value = text.toUtf8();
    const auto cell = [&](int c) { return c == column ? value : view(row, c).toByteArray(); };
    appendText(cell(0), cell(1), cell(2));
    spans_[row] = spans_.takeLast();
}

QByteArrayView LapRows::line(qsizetype row) const
{
    const Span &span = spans_.at(row);
    return QByteArrayView(text_.constData() + span.start, span.size());
}

void LapRows::remove(qsizetype row, qsizetype count)
{
    spans_.remove(row, count);
    if (spans_.isEmpty())
        text_.clear();
}

void LapRows::clear()
{
    spans_.clear();
    text_.clear();
}

LapRows LapRows::first(qsizetype count) const
{
    LapRows rows = *this;
    if (count < rows.spans_.size())
        rows.spans_.resize(qMax<qsizetype>(count, 0));
    return rows;
}

LapRows LapRows::sliced(qsizetype start) const
{
    LapRows rows = *this;
    rows.spans_.remove(0, std::clamp<qsizetype>(start, 0, rows.spans_.size()));
    return rows;
}

bool LapRows::operator==(const LapRows &other) const
{
    if (size() != other.size())
        return false;
    // A label or a time holds no tab, so a row's line tells its cells.
    for (qsizetype row = 0; row < size(); ++row)
        if (line(row) != other.line(row))
            return false;
    return true;
}
