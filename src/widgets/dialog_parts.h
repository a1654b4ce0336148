#pragma once

#include <QFont>
#include <QRect>

class QWidget;
class QPushButton;

// Small pieces shared by the program's windows.
namespace DialogParts {
// A family at a size in pixels, as the layouts give them.
QFont pixelFont(const QString &family, int pixels);
// The system's font at a size in pixels.
QFont systemFont(int pixels);
inline QFont helvetica12()
{
    return pixelFont(QStringLiteral("Helvetica"), 12);
}
inline QFont system12()
{
    return systemFont(12);
}
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
