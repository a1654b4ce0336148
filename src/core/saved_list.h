#pragma once

#include "core/lap_rows.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The saved list document: a header line, the comment between a line of 61
// and a line of 62 hyphens, then one tab-separated line per row.
namespace SavedList {
// Far beyond any real timing; keeps a wrong choice of file from eating memory.
constexpr qint64 kLargestFile = 256LL * 1024 * 1024;
QString headerLine(const QDateTime &moment);
// Every line, the last row's included, ends with "\n".
QByteArray write(const QString &header, const QString &comment, const LapRows &rows);

struct Contents {
    QString comment; // each comment line followed by a carriage return
    LapRows rows;    // pointing into the document as read
};
// The comment is every line between the line of 61 hyphens (the second) and
// the last line of 62, when the document has both. Elsewhere reading is
// forgiving: any line with a tab is a row; other non-empty lines from the
// third on that do not begin with "-" make the comment. Accepts LF, CRLF and
// CR line ends, and reads text that is not UTF-8 as Mac OS Roman.
Contents read(const QByteArray &bytes);
// UTF-8 when valid, Mac OS Roman otherwise.
QString decode(const QByteArray &bytes);
// Why a file's bytes, read as `contents`, are no list to open: a NUL byte,
// which no text holds, or not one row. Empty when they are one.
QString refusal(const QByteArray &bytes, const Contents &contents);
} // namespace SavedList
