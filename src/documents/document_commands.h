#pragma once

class Window1;

// The document commands of the menu bar: save, quit, open and print.
namespace DocumentCommands {
// Registers the commands' handlers on the window.
void install(Window1 &window);
// Quits, first offering to save a list that holds rows.
void quit(Window1 &window);
// Replaces the list with a saved document's rows and comment.
void open(Window1 &window);
// Asks for a comment and a printer, then prints the list.
void print(Window1 &window);
} // namespace DocumentCommands
