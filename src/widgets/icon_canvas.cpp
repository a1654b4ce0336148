#include "widgets/icon_canvas.h"

#include <QPainter>
#include <QStyle>

IconCanvas::IconCanvas(QWidget *parent, int iconCode) : QWidget(parent), code_(iconCode)
{
    setIconCode(iconCode);
}

void IconCanvas::setIconCode(int code)
{
    code_ = code;
    // Screen readers announce the kind of message the icon stands for.
    setAccessibleName(code == 1   ? QStringLiteral("Information")
                      : code == 2 ? QStringLiteral("Erreur")
                                  : QStringLiteral("Attention"));
    update();
}

void IconCanvas::paintEvent(QPaintEvent *)
{
    QStyle::StandardPixmap which = QStyle::SP_MessageBoxWarning;
    if (code_ == 1)
        which = QStyle::SP_MessageBoxInformation;
    else if (code_ == 2)
        which = QStyle::SP_MessageBoxCritical;
    const int side = qMin(32, qMin(width(), height()));
    QPainter painter(this);
    painter.drawPixmap(0, 0, style()->standardIcon(which, nullptr, this).pixmap(side, side));
}
