#pragma once

#include <QColor>
#include <QPixmap>

// The welcome and about window's picture, drawn by the program.
namespace WelcomePicture {
QPixmap draw();
// The deep blue the picture fades from, behind the text drawn over it.
QColor sky();
} // namespace WelcomePicture
