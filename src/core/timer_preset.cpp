#include "core/timer_preset.h"

#include "core/text_number.h"

#include <algorithm>

namespace TimerPreset {
QString sane(const QString &stored)
{
    const std::optional<double> number = TextNumber::leading(stored);
    if (!number)
        return QString::number(kFallback);
    return QString::number(std::clamp<qint64>(TextNumber::toInt32(*number), kMinimum, kMaximum));
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
