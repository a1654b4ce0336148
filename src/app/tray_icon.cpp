#include "app/tray_icon.h"

#include "core/program.h"
#include "core/timekeeper.h"
#include "core/tray_tip.h"
#include "timing/main_window.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QSystemTrayIcon>

TrayIcon::TrayIcon(Timekeeper &timekeeper, MainWindow &window, QObject *parent)
    : QObject(parent), timekeeper_(timekeeper), window_(window)
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    auto *menu = new QMenu(&window);
    menu->setObjectName(QStringLiteral("menu_tray"));
    startStop_ = menu->addAction(QString(), &window, &MainWindow::onStartStop);
    lap_ = menu->addAction(QStringLiteral("Intermédiaire"), &window, &MainWindow::onLap);
    pauseResume_ = menu->addAction(QString(), &window, &MainWindow::onPauseResume);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Afficher ") + Program::name(), &window, &MainWindow::bringToFront);
    quit_ = menu->addAction(QStringLiteral("Quitter"));
    icon_ = new QSystemTrayIcon(this);
    icon_->setContextMenu(menu);
    connect(icon_, &QSystemTrayIcon::activated, &window, [&window](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            window.bringToFront();
    });
    connect(&window, &MainWindow::displayChanged, icon_, [this](const QString &display) {
        display_ = display;
        showTip();
    });
    window.installEventFilter(this);
    connect(&timekeeper_, &Timekeeper::runChanged, this, &TrayIcon::showRun);
    showRun();
    icon_->show();
}

void TrayIcon::showRun()
{
    const RunState state = timekeeper_.run().state();
    const bool idle = state == RunState::Idle;
    startStop_->setText(idle ? QStringLiteral("Départ") : QStringLiteral("Stop"));
    lap_->setEnabled(state == RunState::Running);
    pauseResume_->setText(state == RunState::Paused ? QStringLiteral("Reprendre") : QStringLiteral("Pause"));
    pauseResume_->setEnabled(!idle);
    // The theme's player icons tell the state; without them, the program's own.
    const QString name = idle                         ? QString()
                         : state == RunState::Running ? QStringLiteral("media-playback-start")
                                                      : QStringLiteral("media-playback-pause");
    icon_->setIcon(QIcon::fromTheme(name, QApplication::windowIcon()));
    showTip();
}

void TrayIcon::showTip()
{
    const QString tip =
        TrayTip::text(timekeeper_.run().state(), display_, window_.isVisible() && !window_.isMinimized());
    if (tip != icon_->toolTip())
        icon_->setToolTip(tip);
}

bool TrayIcon::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowStateChange || type == QEvent::Show || type == QEvent::Hide)
        showTip();
    return QObject::eventFilter(watched, event);
}
