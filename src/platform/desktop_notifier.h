#pragma once

#include <QObject>
#include <QString>

// Posts and withdraws notifications through the desktop's notification
// service on the session bus. Calls never wait for the service; where none
// runs, nothing happens.
class DesktopNotifier : public QObject {
public:
    // icon: an icon name of the desktop's theme, also the program's desktop entry.
    explicit DesktopNotifier(QString icon, QObject *parent = nullptr);

    // In place of the notification posted before, if any.
    void post(const QString &summary, const QString &body);
    void withdraw();

private:
    void send(quint64 post, const QString &summary, const QString &body);
    void close(uint id);

    QString icon_;
    uint shown_ = 0;    // the service's id of the notification shown, 0 for none
    quint64 posts_ = 0; // counts posts and withdrawals, so a late answer knows it is stale
};
