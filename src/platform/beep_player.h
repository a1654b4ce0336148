#pragma once

#include <QObject>
#include <QTemporaryFile>
#include <QTimer>

class QSoundEffect;

// Plays a short tone built into the program. Beeps asked for in a row are
// queued about 250 ms apart so they are heard as separate beeps, without ever
// blocking the event thread.
class BeepPlayer : public QObject {
public:
    BeepPlayer();
    ~BeepPlayer() override;
    void beep();

private:
    void playOne();
    void prepareSound();

    QTimer spacing_;
    int pending_ = 0;
    bool prepared_ = false;
    QSoundEffect *effect_ = nullptr;
    QTemporaryFile wave_;
};
