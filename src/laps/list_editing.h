#pragma once

class Window1;

// The lap list's editing commands: clearing the list and removing a row.
namespace ListEditing {
// Registers the commands' handlers on the window.
void install(Window1 &window);
// "Effacer la ligne": removes the selected row.
void removeSelectedRow(Window1 &window);
} // namespace ListEditing
