#pragma once

#include <QString>
#include <QStringList>

// Whether the two display fonts, Helvetica and Courier, are installed.
namespace FontCheck {
// The warning for the missing fonts, or an empty text when none is missing.
// A font counts as installed under its own name (any letter case) or under
// the name of a metric-compatible clone that the font system substitutes.
QString warning(const QStringList &families);
} // namespace FontCheck
