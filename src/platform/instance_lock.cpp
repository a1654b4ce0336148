#include "platform/instance_lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {
constexpr int kAnswerMs = 2000;

// A socket per user and folder, where only the user can reach it.
QString serverNameFor(const QString &folder)
{
    const QByteArray hash = QCryptographicHash::hash(QDir(folder).absolutePath().toUtf8(), QCryptographicHash::Sha1);
    const QString name =
        QStringLiteral("veltiming-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash.toHex().left(16)));
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
}
} // namespace

InstanceLock::InstanceLock(const QString &folder, QObject *parent)
    : QObject(parent), folder_(folder), serverName_(serverNameFor(folder)),
      lock_(QDir(folder).filePath(QStringLiteral("Liste en cours.lock")))
{
    // A lock is stale only when its program is gone, however old it is.
    lock_.setStaleLockTime(0);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("raise"))
                    emit raiseRequested();
            });
        }
    });
}

bool InstanceLock::claim()
{
    QDir().mkpath(folder_);
    if (!lock_.tryLock(0)) {
        // Held by a running program; or the folder cannot hold a lock, and
        // only a program that answers tells.
        const bool held = lock_.error() == QLockFile::LockFailedError;
        if (askToRaise() || held)
            return false;
    }
    // This program is the one: a socket left by a killed one goes.
    QLocalServer::removeServer(serverName_);
    server_.listen(serverName_);
    return true;
}

bool InstanceLock::askToRaise()
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kAnswerMs))
        return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(kAnswerMs);
    socket.disconnectFromServer();
    return true;
}
