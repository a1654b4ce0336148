#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

// One program per user and data folder. The first start holds a lock file in
// the folder and listens on a local socket; a later start finds the lock
// held, asks the first to come to the front, and ends. A lock left by a
// program that was killed is taken over.
class InstanceLock : public QObject {
    Q_OBJECT
public:
    explicit InstanceLock(const QString &folder, QObject *parent = nullptr);

    // True when this program is the one for the folder; false when another
    // is, which has been asked to come to the front.
    bool claim();
    // Where the program that holds the folder listens.
    QString serverName() const { return serverName_; }

signals:
    // Another start asked this program to come to the front.
    void raiseRequested();

private:
    bool askToRaise();

    QString folder_;
    QString serverName_;
    QLockFile lock_;
    QLocalServer server_;
};
