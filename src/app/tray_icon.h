#pragma once

#include <QObject>

class MainWindow;
class QAction;
class QSystemTrayIcon;
class Timekeeper;

// The program in the desktop's tray, where there is one: the run's state in
// its icon, the display's time in its tooltip, and a menu of the window's own
// commands.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(Timekeeper &timekeeper, MainWindow &window, QObject *parent = nullptr);

    // "Quitter", for the quit command to take.
    QAction *quitAction() const { return quit_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showRun();
    void showTip();

    Timekeeper &timekeeper_;
    MainWindow &window_;
    QString display_;
    QSystemTrayIcon *icon_ = nullptr;
    QAction *startStop_ = nullptr;
    QAction *lap_ = nullptr;
    QAction *pauseResume_ = nullptr;
    QAction *quit_ = nullptr;
};
