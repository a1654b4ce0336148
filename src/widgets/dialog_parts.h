#pragma once

#include <QFont>
#include <QRect>

class QWidget;
class QPushButton;

// Small pieces shared by the program's own dialogs.
namespace DialogParts {
QFont helvetica12();
QFont system12();
template <class W>
W *placed(W *widget, const char *name, QRect geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}
// 1 makes the first button the default, 2 the second, anything else neither.
void chooseDefault(QPushButton *first, QPushButton *second, int which);
} // namespace DialogParts
