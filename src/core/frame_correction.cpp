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
               const QList<QRect> &screens, const QMargins &around, const QSize &minimum)
{
    constexpr qint64 kRoom = 1 << 20; // far beyond any screen, far within int
    qint64 w = std::clamp<qint64>(width, minimum.width(), kRoom);
    qint64 h = std::clamp<qint64>(height, minimum.height(), kRoom);
    if (screens.isEmpty())
        return QRect(int(std::clamp<qint64>(left, -kRoom, kRoom)), int(std::clamp<qint64>(top, -kRoom, kRoom)), int(w),
                     int(h));
    // The whole window, as it would stand.
    const qint64 outerLeft = qint64(left) - around.left(), outerTop = qint64(top) - around.top();
    const qint64 outerWidth = w + around.left() + around.right(), outerHeight = h + around.top() + around.bottom();
    QRect screen = screens.first();
    qint64 most = 0;
    for (const QRect &candidate : screens) {
        const qint64 area = overlap(outerLeft, outerWidth, candidate.x(), candidate.width()) *
                            overlap(outerTop, outerHeight, candidate.y(), candidate.height());
        if (area > most) {
            most = area;
            screen = candidate;
        }
    }
    w = std::max<qint64>(minimum.width(), std::min<qint64>(w, screen.width() - around.left() - around.right()));
    h = std::max<qint64>(minimum.height(), std::min<qint64>(h, screen.height() - around.top() - around.bottom()));
    // The title bar first: a window whose top is on the screen can be grabbed and moved.
    const qint64 x = std::max<qint64>(screen.x() + around.left(),
                                      std::min<qint64>(left, qint64(screen.x()) + screen.width() - around.right() - w));
    const qint64 y = std::max<qint64>(
        screen.y() + around.top(), std::min<qint64>(top, qint64(screen.y()) + screen.height() - around.bottom() - h));
    return QRect(int(x), int(y), int(w), int(h));
}
} // namespace FrameCorrection
