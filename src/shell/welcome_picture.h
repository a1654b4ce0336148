#pragma once

#include <QColor>

class QPixmap;

// The welcome window's backdrop, drawn by the program the first time it is
// asked for and kept for the rest of the run.
namespace WelcomePicture {
const QPixmap &VelTiming1();
// The deep blue the picture fades from, behind the text drawn over it.
QColor sky();
} // namespace WelcomePicture
