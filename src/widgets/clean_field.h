#pragma once

class QLineEdit;

// Keeps a field's text fit for a cell (see CellText) as the user types or
// pastes into it.
namespace CleanField {
void guard(QLineEdit *field);
} // namespace CleanField
