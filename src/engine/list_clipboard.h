#pragma once

#include "core/list_row.h"

#include <QList>

class QMimeData;

// Rows as a spreadsheet or a word processor pastes them: three columns, as
// tab-separated text and as an HTML table.
namespace ListClipboard {
QMimeData *mimeData(const QList<ListRow> &rows);
} // namespace ListClipboard
