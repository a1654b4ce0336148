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
} // namespace TimerPreset
