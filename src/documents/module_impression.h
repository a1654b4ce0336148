#pragma once

#include "core/list_row.h"

#include <QList>

class PrintSurface;

// Lays out the printed list: rows in three columns, page breaks and footers.
namespace Module_impression {
void PrintTwoCols(int left, int top, int secondCell, int thirdCell, int pageHeight, int pageWidth,
                  const QList<ListRow> &rows, PrintSurface &surface);
// "Commentaire:", its frame and the comment, at the top of the first page.
void PrintComment(int left, int top, int paperWidth, const QString &comment, PrintSurface &surface);
} // namespace Module_impression
