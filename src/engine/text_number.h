#pragma once

#include <QString>
#include <cstdint>

// Text to number the forgiving way: the leading number of the text, 0 when it
// does not begin with one ("300" is 300, "12abc" is 12, "préftemps" is 0).
namespace TextNumber {
double value(const QString &text);
// Truncated toward zero and held within the 32-bit range.
std::int32_t toInt32(double value);
inline std::int32_t wholeValue(const QString &text)
{
    return toInt32(value(text));
}
} // namespace TextNumber
