#include "engine/cell_text.h"

#include <QLineEdit>

namespace CellText {
QString clean(QString text)
{
    for (QChar &c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return text;
}

void guard(QLineEdit *field)
{
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString &text) {
        const QString cleaned = clean(text);
        if (cleaned != text) {
            const int cursor = field->cursorPosition();
            field->setText(cleaned);
            field->setCursorPosition(cursor);
        }
    });
}
} // namespace CellText
