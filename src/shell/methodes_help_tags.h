#pragma once

// Help tags of the main window and the preferences window on or off; the
// arrows keep theirs either way.
namespace Methodes {
void active_helptags();
void desactive_helptags();
} // namespace Methodes
