#pragma once

// Help tags of the main window and the preferences window on or off; the
// arrows keep theirs either way.
namespace Methodes {
void active_helptags();
void desactive_helptags();
// One or the other, as the preference says.
void show_helptags(bool shown);
} // namespace Methodes
