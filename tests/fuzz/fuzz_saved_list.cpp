// Fuzzing of the saved list reader, with fuzz_main.cpp.
#include "documents/saved_list.h"

QList<QByteArray> seeds()
{
    const QString header = SavedList::headerLine(QDateTime(QDate(2026, 12, 6), QTime(14, 2)));
    const ListRow row{"Chronomètre 1, départ à: 14:02:11", "0:00:02:84", "+  0:00:02:84"};
    return {SavedList::write(header, "Course\r\ndu dimanche", {row, row}), SavedList::write(header, "", {})};
}

// Whatever was read, saved again, reads back the same.
bool holds(const QByteArray &input)
{
    const SavedList::Contents read = SavedList::read(input);
    const SavedList::Contents again = SavedList::read(SavedList::write("h", read.comment, read.rows));
    return again.comment == read.comment && again.rows == read.rows;
}
