#pragma once

#include <QByteArray>
#include <QString>

#include "core/timer_preset.h"
#include <cstdint>

// The settings kept between runs in the preferences file, with the rules by
// which the file's eleven records are read and written.
struct Preferences {
    std::int32_t left = 20;
    std::int32_t top = 50;
    std::int32_t hauteur = 357;
    std::int32_t largeur = 520;
    bool demandeMessage = false;
    bool voirEcarts = true;
    bool prefTips = true;
    QString texteTimer = kAlertMessage;
    QString preset = QString::number(TimerPreset::kFallback); // within the preset's limits
    bool chronometre = true;
    QString lapLabel = kLapLabel;

    static const QString kFileName;
    // The texts the program starts with, and that "Par défaut" puts back.
    static const QString kLapLabel;
    static const QString kAlertMessage;

    static Preferences decode(const QByteArray &data);
    QByteArray encode() const;
};
