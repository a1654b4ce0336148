#pragma once

class QPixmap;

// The welcome window's backdrop, drawn by the program the first time it is
// asked for and kept for the rest of the run.
namespace WelcomePicture {
const QPixmap &VelTiming1();
} // namespace WelcomePicture
