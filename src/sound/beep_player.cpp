#include "sound/beep_player.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {
constexpr int kSpacingMs = 250;
} // namespace

BeepPlayer::BeepPlayer()
{
    spacing_.setSingleShot(true);
    spacing_.setInterval(kSpacingMs);
    connect(&spacing_, &QTimer::timeout, this, [this] {
        if (pending_ > 0) {
            --pending_;
            playOne();
        }
    });
}

BeepPlayer::~BeepPlayer() = default;

void BeepPlayer::beep()
{
    if (spacing_.isActive()) {
        ++pending_;
        return;
    }
    playOne();
}

void BeepPlayer::playOne()
{
    // A 120 ms tone at 880 Hz with soft edges, read from the resources so that
    // beeping writes no file anywhere.
    if (!effect_) {
        effect_ = new QSoundEffect(this);
        effect_->setSource(QUrl(QStringLiteral("qrc:/sounds/beep.wav")));
        effect_->setVolume(0.8f);
    }
    if (!QMediaDevices::audioOutputs().isEmpty() && effect_->status() != QSoundEffect::Error)
        effect_->play();
    else
        QApplication::beep();
    spacing_.start();
}
