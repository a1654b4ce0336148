#pragma once

#include <QObject>
#include <QTimer>

class QSoundEffect;

// Plays a short tone kept among the program's resources. Beeps asked for in a
// row are queued about 250 ms apart so they are heard as separate beeps,
// without ever blocking the event thread.
class BeepPlayer : public QObject {
public:
    BeepPlayer();
    ~BeepPlayer() override;
    void beep();

private:
    void playOne();

    QTimer spacing_;
    int pending_ = 0;
    QSoundEffect *effect_ = nullptr;
};
