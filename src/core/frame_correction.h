#pragma once

#include <QList>
#include <QRect>
#include <cstdint>

// Where a stored window frame goes on the screens there are now: a monitor
// may have been unplugged, and a preferences file edited by hand.
namespace FrameCorrection {
// On the screen that holds most of the frame (the first when none does), no
// larger than that screen, and wholly inside it. No screen: as stored, within
// what a window's coordinates can hold.
QRect onScreen(std::int32_t left, std::int32_t top, std::int32_t height, std::int32_t width,
               const QList<QRect> &screens);
} // namespace FrameCorrection
