#pragma once

#include "core/lap_rows.h"

class QMimeData;

// Rows as a spreadsheet or a word processor pastes them: three columns, as
// tab-separated text and as an HTML table.
namespace ListClipboard {
QMimeData *mimeData(const LapRows &rows);
} // namespace ListClipboard
