#include "core/frame_correction.h"

#include <algorithm>

namespace FrameCorrection {
namespace {
// In 64 bits, since a stored frame may reach the ends of the 32-bit range.
qint64 overlap(qint64 start, qint64 length, qint64 otherStart, qint64 otherLength)
{
    return std::max<qint64>(0, std::min(start + length, otherStart + otherLength) - std::max(start, otherStart));
}
} // namespace

QRect onScreen(std::int32_t left, std::int32_t top, std::int32_t height, std::int32_t width,
               const QList<QRect> &screens)
{
    constexpr qint64 kRoom = 1 << 20; // far beyond any screen, far within int
    qint64 w = std::clamp<qint64>(width, 0, kRoom);
    qint64 h = std::clamp<qint64>(height, 0, kRoom);
    if (screens.isEmpty())
        return QRect(int(std::clamp<qint64>(left, -kRoom, kRoom)), int(std::clamp<qint64>(top, -kRoom, kRoom)), int(w),
                     int(h));
    QRect screen = screens.first();
    qint64 most = 0;
    for (const QRect &candidate : screens) {
        const qint64 area =
            overlap(left, w, candidate.x(), candidate.width()) * overlap(top, h, candidate.y(), candidate.height());
        if (area > most) {
            most = area;
            screen = candidate;
        }
    }
    w = std::min<qint64>(w, screen.width());
    h = std::min<qint64>(h, screen.height());
    const qint64 x = std::clamp<qint64>(left, screen.x(), screen.x() + screen.width() - w);
    const qint64 y = std::clamp<qint64>(top, screen.y(), screen.y() + screen.height() - h);
    return QRect(int(x), int(y), int(w), int(h));
}
} // namespace FrameCorrection
