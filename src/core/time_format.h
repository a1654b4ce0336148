#pragma once

#include <QString>

// The time texts of the display and the lap list. All take seconds.
namespace TimeFormat {
// Hours come from the value itself, minutes and seconds from its truncation
// to a 32-bit integer.
// "H:MM:SS:CC" with the hundredths cut, not rounded.
QString displayTime(double t);
// "H:MM:SS:00", the fraction ignored; also the tick's text.
QString presetTime(double t);
// "+  H:MM:SS:CC" with the value rounded to the nearest hundredth.
QString differenceText(double d);
} // namespace TimeFormat
