#pragma once

#include <QString>

class QLineEdit;

// A tab, CR or LF inside a cell would shift the columns of a saved document,
// so cells never hold one: each becomes a blank.
namespace CellText {
QString clean(QString text);
// Keeps a field's text clean as the user types or pastes into it.
void guard(QLineEdit *field);
} // namespace CellText
