#include "platform/instance_lock.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <signal.h>
#include <unistd.h>

namespace {
constexpr int kAnswerMs = 5000;
// While the lock's program lives but its socket is full, a request waits.
constexpr int kBusyMs = 5000;
constexpr int kBacklog = 1024;

QString lockFile(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("Liste en cours.lock"));
}

// A socket per user and folder, where only the user can reach it.
QString serverNameFor(const QString &folder)
{
    const QByteArray hash = QCryptographicHash::hash(QDir(folder).absolutePath().toUtf8(), QCryptographicHash::Sha1);
    const QString name =
        QStringLiteral("veltiming-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash.toHex().left(16)));
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
}

bool lockHolderLives(const QString &folder)
{
    qint64 pid = 0;
    QString host, application;
    return QLockFile(lockFile(folder)).getLockInfo(&pid, &host, &application) && pid > 0 &&
           (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}
} // namespace

InstanceLock::InstanceLock(const QString &folder, Answerer answerer, int silenceMs, QObject *parent)
    : QObject(parent), folder_(folder), answerer_(std::move(answerer)), silenceMs_(silenceMs), lock_(lockFile(folder))
{
    // A lock is stale only when its program is gone, however old it is.
    lock_.setStaleLockTime(0);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.setListenBacklogSize(kBacklog);
    server_.setMaxPendingConnections(kBacklog);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server_.nextPendingConnection())
            serve(socket);
    });
}

void InstanceLock::serve(QLocalSocket *socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto *silence = new QTimer(socket);
    silence->setSingleShot(true);
    connect(silence, &QTimer::timeout, socket, [socket] { socket->abort(); });
    silence->start(silenceMs_);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, silence] {
        for (;;) {
            if (!socket->canReadLine() && socket->bytesAvailable() <= kLineLimit)
                return;
            QByteArray line = socket->readLine(kLineLimit + 2);
            if (!line.endsWith('\n')) {
                // Too long: answered as it stands, which refuses it, and the rest goes unread.
                socket->write(answerer_(line) + '\n');
                disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
                socket->disconnectFromServer();
                return;
            }
            line.chop(1);
            socket->write(answerer_(line) + '\n');
            silence->start(silenceMs_);
        }
    });
}

QString InstanceLock::serverName() const
{
    return serverNameFor(folder_);
}

bool InstanceLock::claim(const QByteArray &greeting)
{
    QDir().mkpath(folder_);
    if (!lock_.tryLock(0)) {
        // Held by a running program; or the folder cannot hold a lock, and
        // only a program that answers tells.
        const bool held = lock_.error() == QLockFile::LockFailedError;
        if (send(folder_, greeting) || held)
            return false;
    }
    // This program is the one: a socket left by a killed one goes.
    QLocalServer::removeServer(serverName());
    server_.listen(serverName());
    return true;
}

bool InstanceLock::connectTo(const QString &folder, QLocalSocket &socket)
{
    const QDeadlineTimer busy(kBusyMs);
    for (;;) {
        socket.connectToServer(serverNameFor(folder));
        if (socket.waitForConnected(kAnswerMs))
            return true;
        if (busy.hasExpired() || !lockHolderLives(folder))
            return false;
        QThread::msleep(20);
    }
}

bool InstanceLock::send(const QString &folder, const QByteArray &request)
{
    QLocalSocket socket;
    if (!connectTo(folder, socket))
        return false;
    socket.write(request + '\n');
    socket.waitForBytesWritten(kAnswerMs);
    socket.disconnectFromServer();
    return true;
}

std::optional<QByteArray> InstanceLock::ask(const QString &folder, const QByteArray &request)
{
    QLocalSocket socket;
    if (!connectTo(folder, socket))
        return std::nullopt;
    socket.write(request + '\n');
    const QDeadlineTimer answered(kAnswerMs);
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(int(answered.remainingTime())))
            return std::nullopt;
    }
    QByteArray answer = socket.readLine(kLineLimit);
    answer.chop(1);
    return answer;
}
