#pragma once

#include "core/preferences.h"

#include <optional>

// The preferences file "Pref Vel Timing" in the preferences folder, and
// beside it whether the main window was maximized and the global lap key, in
// a file of its own so that the eleven records stay as they are.
namespace PreferencesFile {
QString path(const QString &folder);
// Nothing when there is no folder, no file, or a file that cannot be read:
// the program then starts from the defaults.
std::optional<Preferences> load(const QString &folder);
// Replaces the file in one step, so a failure leaves the previous one whole.
// Returns the reason on failure, an empty text on success.
QString save(const QString &folder, const Preferences &preferences);
bool maximized(const QString &folder);
void setMaximized(const QString &folder, bool maximized);
// As Qt writes it, "Ctrl+Alt+L"; empty for none.
QString globalKey(const QString &folder);
void setGlobalKey(const QString &folder, const QString &key);
} // namespace PreferencesFile
