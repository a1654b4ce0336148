#include "core/time_format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {
// Float noise below this is dropped before the hundredths are cut, so that
// 3725.37 - 3725 (0.36999999999989) reads 37 and not 36.
constexpr double kNoise = 1e-7;

// Writes "H:MM:SS" of a non-negative value into out, returns its length.
int composeHms(char *out, std::size_t size, double t)
{
    const auto hours = static_cast<long long>(std::floor(t / 3600.0));
    const auto whole = static_cast<std::int32_t>(t);
    const int minutes = (whole % 3600) / 60;
    const int seconds = whole % 60;
    return std::snprintf(out, size, "%lld:%02d:%02d", hours, minutes, seconds);
}

QString withSign(bool negative, const char *text, int length)
{
    QString result;
    result.reserve(length + 1);
    if (negative)
        result.append(QLatin1Char('-'));
    result.append(QLatin1String(text, length));
    return result;
}
} // namespace

namespace TimeFormat {
QString displayTime(double t)
{
    const double value = std::fabs(t) + kNoise;
    char buffer[48];
    int length = composeHms(buffer, sizeof buffer, value);
    const int hundredths = static_cast<int>((value - std::floor(value)) * 100.0);
    length += std::snprintf(buffer + length, sizeof buffer - length, ":%02d", hundredths);
    return withSign(t < 0, buffer, length);
}

QString presetTime(double t)
{
    char buffer[48];
    int length = composeHms(buffer, sizeof buffer, std::fabs(t));
    length += std::snprintf(buffer + length, sizeof buffer - length, ":00");
    return withSign(t < 0, buffer, length);
}

QString differenceText(double d)
{
    // Rounding the whole value first lets 0.995 s and more carry into the
    // seconds instead of showing a second too few.
    const long long totalHundredths = std::llround(std::fabs(d) * 100.0);
    char buffer[48];
    const long long wholeSeconds = totalHundredths / 100;
    int length = composeHms(buffer, sizeof buffer, double(wholeSeconds));
    length += std::snprintf(buffer + length, sizeof buffer - length, ":%02lld", totalHundredths % 100);
    QString result = QStringLiteral("+  ");
    if (d < 0 && totalHundredths != 0)
        result.append(QLatin1Char('-'));
    result.append(QLatin1String(buffer, length));
    return result;
}
} // namespace TimeFormat
