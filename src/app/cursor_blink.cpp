#include "app/cursor_blink.h"

#include <QApplication>
#include <QEvent>

CursorBlink::CursorBlink(QObject *parent, int timeoutMs) : QObject(parent), flashTime_(QApplication::cursorFlashTime())
{
    if (flashTime_ <= 0)
        return;
    timeout_.setSingleShot(true);
    timeout_.setInterval(timeoutMs);
    connect(&timeout_, &QTimer::timeout, this, &CursorBlink::stopBlinking);
    qApp->installEventFilter(this);
    timeout_.start();
}

void CursorBlink::stopBlinking()
{
    QApplication::setCursorFlashTime(0);
}

bool CursorBlink::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
        if (QApplication::cursorFlashTime() != flashTime_)
            QApplication::setCursorFlashTime(flashTime_);
        timeout_.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
