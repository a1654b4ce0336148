#pragma once

#include <QString>

// The countdown's preset, in whole seconds.
namespace TimerPreset {
constexpr qint64 kMinimum = 5;
constexpr qint64 kMaximum = 3596400; // 999 hours
constexpr qint64 kFallback = 300;
// A stored preset brought within the limits; the fallback when the text
// holds no number at all.
QString sane(const QString &stored);
} // namespace TimerPreset
