#pragma once

#include "core/timer_preset.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// The settings kept between runs, with the rules by which the preferences
// file's eleven records are read and written.
struct Preferences {
    // The main window's content area.
    std::int32_t left = 20;
    std::int32_t top = 50;
    std::int32_t height = 357;
    std::int32_t width = 520;
    bool askMessage = false;     // the alert's message is asked at each countdown's start
    bool showDifferences = true; // the list's third column
    bool showHelpTags = true;
    QString alertMessage = kAlertMessage;
    qint64 preset = TimerPreset::kFallback; // seconds, within the countdown's limits
    bool timerMode = false;
    QString lapLabel = kLapLabel;

    static const QString kFileName;
    // The texts the program starts with, and that "Par défaut" puts back.
    static const QString kLapLabel;
    static const QString kAlertMessage;

    static Preferences decode(const QByteArray &data);
    QByteArray encode() const;
    bool operator==(const Preferences &) const = default;
};
