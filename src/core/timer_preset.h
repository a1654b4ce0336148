#pragma once

#include <QString>
#include <Qt>

// The countdown's preset, in whole seconds.
namespace TimerPreset {
constexpr qint64 kMinimum = 5;
constexpr qint64 kMaximum = 999 * 3600;
constexpr qint64 kFallback = 300;
// A stored preset brought within the limits; the fallback when the text
// holds no number at all.
qint64 sane(const QString &stored);
// What a step past a limit says.
QString tooLong();
QString tooShort();
// What a preset set whole past a limit says; empty within them.
QString refusal(qint64 seconds);
// The step of a click on the arrows, by the keys held: a minute with Ctrl
// (Command on macOS), an hour with Alt (Option) or Shift, which window
// managers leave to programs more often than Alt; a second otherwise.
qint64 clickStep(Qt::KeyboardModifiers keys);
// The signed step of a key on the arrows: Up and Down a second, Page Up and
// Page Down a minute, an hour with Shift; 0 for any other key.
qint64 keyStep(int key, Qt::KeyboardModifiers keys);
} // namespace TimerPreset
