#include "app/tray_icon.h"

#include "core/program.h"
#include "core/timekeeper.h"
#include "timing/main_window.h"

#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>

TrayIcon::TrayIcon(Timekeeper &timekeeper, MainWindow &window, QObject *parent)
    : QObject(parent), timekeeper_(timekeeper)
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
    connect(&window, &MainWindow::displayChanged, icon_,
            [this](const QString &display) { icon_->setToolTip(Program::title() + QStringLiteral(" : ") + display); });
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
    if (icon_->toolTip().isEmpty())
        icon_->setToolTip(Program::title());
}
