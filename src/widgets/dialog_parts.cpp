#include "widgets/dialog_parts.h"

#include <QApplication>
#include <QPushButton>

namespace DialogParts {
QFont pixelFont(const QString &family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

QFont systemFont(int pixels)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
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
