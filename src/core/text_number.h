#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Text to number the forgiving way: the leading number of the text, 0 when it
// does not begin with one ("300" is 300, "12abc" is 12, "préftemps" is 0).
namespace TextNumber {
// The leading number, or nothing when the text does not begin with one.
std::optional<double> leading(const QString &text);
inline double value(const QString &text)
{
    return leading(text).value_or(0);
}
// Truncated toward zero and held within the 32-bit range.
std::int32_t toInt32(double value);
inline std::int32_t wholeValue(const QString &text)
{
    return toInt32(value(text));
}
} // namespace TextNumber
