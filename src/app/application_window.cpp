// The main window's place: restored from the settings at start-up, on a
// screen there is now, and kept in them as it changes.
#include "app/application.h"
#include "core/frame_correction.h"
#include "platform/platform.h"
#include "settings/settings_store.h"
#include "timing/main_window.h"

#include <QEvent>
#include <QWindow>

void Application::placeWindow(const Preferences &settings)
{
    const QRect frame =
        FrameCorrection::onScreen(settings.left, settings.top, settings.height, settings.width, platform_.screens(),
                                  window_->aroundContent(), MainWindow::kMinimumSize);
    window_->setContentFrame(frame);
    placed_ = window_->contentFrame();
    if (store_->maximized())
        window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
}

Preferences Application::withFrame(Preferences values) const
{
    const QRect frame = window_->contentFrame();
    // Where the window's place cannot be known, the one read stays.
    const bool known = platform_.windowPositionKnown();
    values.left = known ? frame.left() : stored_.left;
    values.top = known ? frame.top() : stored_.top;
    values.height = frame.height();
    values.width = frame.width();
    return values;
}

void Application::keepFrame()
{
    keepFrame_.stop();
    if (!started_ || !window_)
        return;
    settings_.set(withFrame(settings_.values()));
    store_->setMaximized(window_->isMaximized());
}

bool Application::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // Not a window that is being destroyed.
    auto *window = qobject_cast<MainWindow *>(watched);
    if (window && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowStateChange)) {
        // Framed by the window manager: placed again, with the frame it has,
        // unless it has been moved since.
        if (!framed_ && window->windowHandle() && !window->windowHandle()->frameMargins().isNull()) {
            framed_ = true;
            if (!window->isMaximized() && window->contentFrame() == placed_)
                placeWindow(stored_);
        }
        if (type == QEvent::WindowStateChange)
            keepFrame();
        else
            keepFrame_.start();
    }
    return QObject::eventFilter(watched, event);
}
