// Fuzzing of the saved list reader, with fuzz_main.cpp.
#include "core/saved_list.h"

QList<QByteArray> seeds()
{
    const QString header = SavedList::headerLine(QDateTime(QDate(2026, 12, 6), QTime(14, 2)));
    const ListRow row{"Chronomètre 1, départ à: 14:02:11", "0:00:02:84", "+  0:00:02:84"};
    return {SavedList::write(header, "Course\r\ndu dimanche", {row, row}), SavedList::write(header, "", {})};
}

// Whatever was read, saved again, reads back the same; and any text saved as a comment reads back whole, a carriage
// return after each of its lines.
bool holds(const QByteArray &input)
{
    const SavedList::Contents read = SavedList::read(input);
    const SavedList::Contents again = SavedList::read(SavedList::write("h", read.comment, read.rows));
    QString comment = SavedList::decode(input);
    const SavedList::Contents asComment = SavedList::read(SavedList::write("h", comment, read.rows));
    comment.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (comment.endsWith(u'\n'))
        comment.chop(1);
    const QString lines = comment.isEmpty() ? QString() : comment.replace(u'\n', u'\r') + u'\r';
    return again.comment == read.comment && again.rows == read.rows && asComment.comment == lines &&
           asComment.rows == read.rows;
}
