#include "widgets/warning_line.h"

WarningLine::WarningLine(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(176, 0, 0));
    setPalette(palette);
    hide();
}

void WarningLine::setMessage(const QString &message)
{
    message_ = message;
    setToolTip(message);
    setAccessibleName(message);
    fit();
    setVisible(!message.isEmpty());
}

void WarningLine::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

void WarningLine::fit()
{
    setText(fontMetrics().elidedText(message_, Qt::ElideMiddle, width()));
}
