#pragma once

class ListBox;

// Rows that close a run in the lap list.
namespace RunRows {
// Appends the separator row and the blank row, then selects the last row.
void closeRun(ListBox &list);
} // namespace RunRows
