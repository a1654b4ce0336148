#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <cstdint>

// Where a stored window goes on the screens there are now: a monitor may have
// been unplugged, and a preferences file edited by hand. What is stored is
// the window's content; `around` is what the window has around it, the title
// bar and the menu bar above, the borders beside and below.
namespace FrameCorrection {
// The content, so that the whole window, its title bar included, lies on the
// screen that holds most of it (the first when none does): no larger than
// that screen and no smaller than `minimum`, the content's least size. No
// screen: as stored, within what a window's coordinates can hold.
QRect onScreen(std::int32_t left, std::int32_t top, std::int32_t height, std::int32_t width,
               const QList<QRect> &screens, const QMargins &around, const QSize &minimum);
} // namespace FrameCorrection
