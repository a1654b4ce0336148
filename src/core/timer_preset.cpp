#include "core/timer_preset.h"

#include "core/text_number.h"

#include <algorithm>

namespace TimerPreset {
qint64 sane(const QString &stored)
{
    const std::optional<double> number = TextNumber::leading(stored);
    return number ? std::clamp<qint64>(TextNumber::toInt32(*number), kMinimum, kMaximum) : kFallback;
}

QString tooLong()
{
    return QStringLiteral("Le temps maximum pour le timer est %1 heures!").arg(kMaximum / 3600);
}

QString tooShort()
{
    // Two blanks before the number, as the program has always said it.
    return QStringLiteral("Le temps minimum pour le timer est  %1 secondes!").arg(kMinimum);
}

QString refusal(qint64 seconds)
{
    return seconds > kMaximum ? tooLong() : seconds < kMinimum ? tooShort() : QString();
}

qint64 clickStep(Qt::KeyboardModifiers keys)
{
    if (keys.testFlag(Qt::ControlModifier))
        return 60;
    return keys & (Qt::AltModifier | Qt::ShiftModifier) ? 3600 : 1;
}

qint64 keyStep(int key, Qt::KeyboardModifiers keys)
{
    const bool shift = keys.testFlag(Qt::ShiftModifier);
    switch (key) {
    case Qt::Key_Up:
        return 1;
    case Qt::Key_Down:
        return -1;
    case Qt::Key_PageUp:
        return shift ? 3600 : 60;
    case Qt::Key_PageDown:
        return shift ? -3600 : -60;
    default:
        return 0;
    }
}
} // namespace TimerPreset
