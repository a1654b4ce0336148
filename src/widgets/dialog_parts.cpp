#include "widgets/dialog_parts.h"

#include <QApplication>
#include <QPushButton>

namespace DialogParts {
QFont helvetica12()
{
    QFont font(QStringLiteral("Helvetica"));
    font.setPixelSize(12);
    return font;
}

QFont system12()
{
    QFont font = QApplication::font();
    font.setPixelSize(12);
    return font;
}

void chooseDefault(QPushButton *first, QPushButton *second, int which)
{
    // Auto-default off too, or a focused button would answer Return.
    for (QPushButton *button : {first, second}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    if (which == 1)
        first->setDefault(true);
    else if (which == 2)
        second->setDefault(true);
}
} // namespace DialogParts
