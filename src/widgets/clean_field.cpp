#include "widgets/clean_field.h"

#include "core/cell_text.h"

#include <QLineEdit>

namespace CleanField {
void guard(QLineEdit *field)
{
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString &text) {
        const QString cleaned = CellText::clean(text);
        if (cleaned != text) {
            const int cursor = field->cursorPosition();
            field->setText(cleaned);
            field->setCursorPosition(cursor);
        }
    });
}
} // namespace CleanField
