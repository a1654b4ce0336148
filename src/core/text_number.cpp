#include "core/text_number.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace TextNumber {
std::optional<double> leading(const QString &text)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)"));
    const QRegularExpressionMatch match = leading.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const double number = match.captured(1).toDouble();
    return std::isfinite(number) ? number : 0;
}

std::int32_t toInt32(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(std::clamp(value, low, high)));
}
} // namespace TextNumber
