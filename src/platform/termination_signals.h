#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a call on the event thread. The
// signal handler only writes a byte to a socket; Qt reads it like any event.
class TerminationSignals : public QObject {
public:
    TerminationSignals(std::function<void()> handler, QObject *parent);
    ~TerminationSignals() override;

private:
    std::function<void()> handler_;
    QSocketNotifier *notifier_ = nullptr;
};
