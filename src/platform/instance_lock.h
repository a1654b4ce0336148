#pragma once

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QObject>

#include <functional>
#include <optional>

// One program per user and data folder. The first start holds a lock file in
// the folder and listens on a local socket, where only the user can reach it;
// a later start or a command finds the lock held and sends its request there.
// A lock left by a program that was killed is taken over.
class InstanceLock : public QObject {
    Q_OBJECT
public:
    // Gives the answer line to a request line, both without their line ends.
    using Answerer = std::function<QByteArray(const QByteArray &request)>;

    // A connection that sends no whole line for silenceMs is dropped.
    InstanceLock(const QString &folder, Answerer answerer, int silenceMs = 2000, QObject *parent = nullptr);

    // True when this program is the one for the folder; false when another
    // is, which has been sent the greeting.
    bool claim(const QByteArray &greeting);
    // The answer of the program that holds the folder to a request; nothing
    // when none runs or it does not answer.
    static std::optional<QByteArray> ask(const QString &folder, const QByteArray &request);
    // Where the program that holds the folder listens.
    QString serverName() const;

    // A line longer than this ends its connection, once answered as it stands.
    static constexpr qsizetype kLineLimit = 64 * 1024;

private:
    void serve(QLocalSocket *socket);
    // Connected to the program that holds the folder; one whose socket is
    // full is waited for a while.
    static bool connectTo(const QString &folder, QLocalSocket &socket);
    // Sends a request whose answer is not waited for.
    static bool send(const QString &folder, const QByteArray &request);

    QString folder_;
    Answerer answerer_;
    int silenceMs_;
    QLockFile lock_;
    QLocalServer server_;
};
