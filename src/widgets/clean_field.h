#pragma once

class QLineEdit;

// Keeps a field's text fit for a cell (see CellText) as the user types or
// pastes into it.
namespace CleanField {
void guard(QLineEdit *field);
// Keeps a field's text within what a preferences record holds (255 bytes of
// UTF-8), so that nothing typed is cut later without a word.
void fitRecord(QLineEdit *field);
} // namespace CleanField
