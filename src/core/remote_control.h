#pragma once

#include "core/remote_protocol.h"

#include <QDateTime>
#include <QObject>

class Timekeeper;

// The running program's side of the commands: each request line is read
// strictly, carried out through the timekeeper's commands as a press would
// be, and answered with the run as it then stands.
class RemoteControl : public QObject {
    Q_OBJECT
public:
    // The moment a request is read.
    struct Here {
        double reading = 0; // microseconds of the boot clock
        QByteArray boot{};
        QDateTime now{};
        bool busy = false; // a question waits for the user's answer in a window
    };

    explicit RemoteControl(Timekeeper &timekeeper, QObject *parent = nullptr);

    // The answer line to a request line; nothing changes unless it says done.
    QByteArray answer(const QByteArray &line, const Here &here);

signals:
    // A later start or a command asked for the window.
    void showRequested();

private:
    RemoteProtocol::Answer carryOut(const RemoteProtocol::Request &request, double reading, const QDateTime &now);
    // Why the run in its state refuses the operation; empty when it takes it.
    QString refusal(const RemoteProtocol::Request &request) const;
    QJsonObject status(double reading);

    Timekeeper &timekeeper_;
};
