#pragma once

#include <QString>

class ListCopy;
class Platform;
class QWidget;
class Timekeeper;

// The list as a document: saved, opened and printed, what quitting asks for
// it, and the copies of lists in progress an earlier program left. Each
// command asks its questions over the main window, names the file and the
// reason of what goes wrong, and never loses the list.
class Documents {
public:
    Documents(Timekeeper &timekeeper, ListCopy &copy, Platform &platform, QWidget *window);

    // "Sauver la liste": asks for a comment and a file, then writes the list.
    void save();
    // Offers to save a list that holds rows; true when the program may end:
    // the list was empty or written, or the user chose not to save it.
    bool mayEnd();
    // Quits when mayEnd() allows it.
    void quit();
    // Replaces the list with a saved document's rows and comment.
    void open();
    // Asks for a comment and a printer, then prints the list.
    void print();
    // Offers back each list an earlier program left in a copy.
    void offerRecovery();

private:
    enum class Saving { Cancelled, Written, Failed };
    // Asks for the comment (starting from `comment`) and the file, then
    // writes the list as it stood when the rows were counted.
    Saving saveList(const QString &comment, bool countThisSave);
    // Asks before rows that are nowhere else are replaced; false when the
    // user cancels, or chose to save and the list was not written.
    bool mayReplace();

    Timekeeper &timekeeper_;
    ListCopy &copy_;
    Platform &platform_;
    QWidget *window_;
};
