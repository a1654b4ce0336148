#pragma once

class Window1;

// The document commands of the menu bar: save, quit, open and print.
namespace DocumentCommands {
// Offers to save a list that holds rows; true when the program may end: the
// list was empty or written, or the user chose not to save it.
bool mayEnd(Window1 &window);
// Quits when mayEnd allows it.
void quit(Window1 &window);
// Replaces the list with a saved document's rows and comment.
void open(Window1 &window);
// Offers back the list an earlier run left in its journal, then lets the
// journal follow the list.
void offerRecovery(Window1 &window);
// Asks for a comment and a printer, then prints the list.
void print(Window1 &window);
} // namespace DocumentCommands
