#pragma once

#include <QUndoStack>

class Timekeeper;

// The changes the user makes to the list, which "Annuler" takes back and
// "Rétablir" makes again: a removed row, the cleared list, an edited cell.
// Rows a run adds are no such change, but they only ever come at the end, so
// a change made before them still applies where it was made. A list opened
// or taken back from its copy replaces them all, and they are forgotten.
class ListHistory : public QUndoStack {
    Q_OBJECT
public:
    ListHistory(Timekeeper &timekeeper, QObject *parent);

    void removeRow(int row);
    // Runs are then numbered from 1 again.
    void clearList();

private:
    Timekeeper &timekeeper_;
};
