#pragma once

#include "platform/beeper.h"

#include <QObject>
#include <QTimer>

class QSoundEffect;

// Plays a short tone kept among the plugin's resources. Beeps asked for in a
// row are queued about 250 ms apart so they are heard as separate beeps,
// without ever blocking the event thread.
class BeepPlayer : public QObject, public Beeper {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VEL_BEEPER_IID)
    Q_INTERFACES(Beeper)
public:
    BeepPlayer();
    ~BeepPlayer() override;
    void beep() override;

private:
    void playOne();

    QTimer spacing_{this};
    int pending_ = 0;
    QSoundEffect *effect_ = nullptr;
};
