#include "widgets/icon_canvas.h"

#include <QPainter>
#include <QStyle>

IconCanvas::IconCanvas(QWidget *parent, Icon icon) : QWidget(parent), icon_(icon)
{
    setIcon(icon);
}

void IconCanvas::setIcon(Icon icon)
{
    icon_ = icon;
    // Screen readers announce the kind of message the icon stands for.
    setAccessibleName(icon == Icon::Note   ? QStringLiteral("Information")
                      : icon == Icon::Stop ? QStringLiteral("Erreur")
                                           : QStringLiteral("Attention"));
    update();
}

void IconCanvas::paintEvent(QPaintEvent *)
{
    const QStyle::StandardPixmap which = icon_ == Icon::Note   ? QStyle::SP_MessageBoxInformation
                                         : icon_ == Icon::Stop ? QStyle::SP_MessageBoxCritical
                                                               : QStyle::SP_MessageBoxWarning;
    const int side = qMin(32, qMin(width(), height()));
    QPainter painter(this);
    painter.drawPixmap(0, 0, style()->standardIcon(which, nullptr, this).pixmap(side, side));
}
