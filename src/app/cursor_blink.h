#pragma once

#include <QObject>
#include <QTimer>

// Stops the text cursor blinking after a while without input, as desktops
// do, so that a window left to time a run does not wake twice a second for
// it. Any key or click starts the blinking again.
class CursorBlink : public QObject {
    Q_OBJECT
public:
    explicit CursorBlink(QObject *parent, int timeoutMs = 10000);

    // The timeout's work: the cursor stays shown without blinking.
    void stopBlinking();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int flashTime_;        // the system's; 0 when it does not blink at all
    QTimer timeout_{this}; // a child, as the other timers are
};
