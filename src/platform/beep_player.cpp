#include "platform/beep_player.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

#include <cmath>

namespace {
constexpr int kSampleRate = 22050;
constexpr int kSpacingMs = 250;

void appendLe(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

// A 120 ms tone at 880 Hz with soft edges, as a mono 16-bit WAV file.
QByteArray beepWave()
{
    const int samples = kSampleRate * 120 / 1000;
    const int fade = kSampleRate * 8 / 1000;
    QByteArray pcm;
    pcm.reserve(qsizetype(samples) * 2);
    for (int i = 0; i < samples; ++i) {
        double envelope = 1.0;
        if (i < fade)
            envelope = double(i) / fade;
        else if (i > samples - fade)
            envelope = double(samples - i) / fade;
        const double value = 0.5 * envelope * std::sin(2.0 * M_PI * 880.0 * i / kSampleRate);
        appendLe(pcm, quint32(quint16(qint16(value * 32767))), 2);
    }
    QByteArray wav("RIFF");
    appendLe(wav, quint32(36 + pcm.size()), 4);
    wav.append("WAVEfmt ");
    appendLe(wav, 16, 4);
    appendLe(wav, 1, 2); // PCM
    appendLe(wav, 1, 2); // mono
    appendLe(wav, kSampleRate, 4);
    appendLe(wav, kSampleRate * 2, 4);
    appendLe(wav, 2, 2);
    appendLe(wav, 16, 2);
    wav.append("data");
    appendLe(wav, quint32(pcm.size()), 4);
    wav.append(pcm);
    return wav;
}
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

void BeepPlayer::prepareSound()
{
    prepared_ = true;
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    wave_.setFileTemplate(QStringLiteral("veltiming-beep-XXXXXX.wav"));
    if (!wave_.open())
        return;
    wave_.write(beepWave());
    wave_.flush();
    effect_ = new QSoundEffect(this);
    effect_->setSource(QUrl::fromLocalFile(wave_.fileName()));
    effect_->setVolume(0.8f);
}

void BeepPlayer::playOne()
{
    if (!prepared_)
        prepareSound();
    if (effect_ && effect_->status() != QSoundEffect::Error)
        effect_->play();
    else
        QApplication::beep();
    spacing_.start();
}
