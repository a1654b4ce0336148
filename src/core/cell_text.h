#pragma once

#include <QString>

// A tab, CR or LF inside a cell would shift the columns of a saved document,
// so cells never hold one: each becomes a blank.
namespace CellText {
QString clean(QString text);
} // namespace CellText
