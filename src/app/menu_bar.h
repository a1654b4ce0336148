#pragma once

#include <QMenuBar>

class QAction;
class QMenu;

// The program's menu bar, "Fichier" and "Edition". Menus and items keep
// their layout names as object names; docs/controls.md tells which is which.
class MenuBar : public QMenuBar {
    Q_OBJECT
public:
    MenuBar();

    struct Items {
        QAction *open, *save, *print, *quit;
        QAction *undo, *redo, *cut, *copy, *paste, *clearList, *removeRow, *preferences, *about;
    };
    const Items &items() const { return items_; }

private:
    QMenu *fileMenu_;
    Items items_;
};
