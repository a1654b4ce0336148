#pragma once

#include "core/lap_rows.h"

class PrintSurface;

// Lays out the printed list: the comment, rows in three columns, page breaks
// and footers. Every word is printed: a long comment goes on to the next
// pages, and a long cell wraps within its own column.
namespace PrintLayout {
// Where the rows begin: the page the comment ends on, and the first row's baseline.
struct RowsStart {
    int page;
    int y;
};
// "Commentaire:", its frame and the comment, at the top of the first page.
RowsStart comment(int left, int top, int paperWidth, int pageHeight, int pageWidth, const QString &comment,
                  PrintSurface &surface);
// The rows in their three columns, the second and third starting at
// secondCell and thirdCell, from where the comment left off.
void rows(int left, int top, int secondCell, int thirdCell, int pageHeight, int pageWidth, const LapRows &rows,
          PrintSurface &surface, RowsStart start);
} // namespace PrintLayout
