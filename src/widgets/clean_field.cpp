#include "widgets/clean_field.h"

#include "core/cell_text.h"
#include "core/preference_records.h"

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

void fitRecord(QLineEdit *field)
{
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString &text) {
        const QByteArray utf8 = text.toUtf8();
        if (const QByteArray fitted = PreferenceRecords::fit(utf8); fitted.size() < utf8.size()) {
            const int cursor = field->cursorPosition();
            field->setText(QString::fromUtf8(fitted));
            field->setCursorPosition(cursor);
        }
    });
}
} // namespace CleanField
