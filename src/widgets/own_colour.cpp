#include "widgets/own_colour.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

void OwnColour::give(QWidget *widget, const QColor &text)
{
    new OwnColour(widget, text);
}

OwnColour::OwnColour(QWidget *widget, const QColor &text)
    : QObject(widget), widget_(widget), text_(text), filled_(widget->autoFillBackground())
{
    widget->installEventFilter(this);
    apply();
}

void OwnColour::apply()
{
    const QColor window = QGuiApplication::palette().color(QPalette::Window);
    const bool dark = window.lightness() < 128;
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::WindowText, text_);
    palette.setColor(QPalette::Window, dark ? QColor(245, 245, 245) : window);
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(filled_ || dark);
}

bool OwnColour::eventFilter(QObject *watched, QEvent *event)
{
    // A new desktop palette reaches the widget as a change of its own; so does
    // the one apply() sets, which then sets the same one, and nothing follows.
    if (event->type() == QEvent::PaletteChange)
        apply();
    return QObject::eventFilter(watched, event);
}
