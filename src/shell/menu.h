#pragma once

#include "main_window/window1.h"
#include "widgets/single_instance.h"

#include <QMenuBar>

class QAction;
class QMenu;

// The program's menu bar, "Fichier" and "Edition". Items keep their layout
// names as object names.
class Menu : public QMenuBar, public SingleInstance<Menu> {
    Q_OBJECT
public:
    Menu();
    // The items whose commands the main window carries out.
    MenuItems items() const;

    QMenu *UntitledMenu3;
    QAction *menfichierMenuouvrir;
    QAction *FileSauver;
    QAction *menfichierImprimer;
    QAction *UntitledMenu4;
    QAction *menfichieritemquitter;
    QMenu *UntitledMenu0;
    QAction *EditUndo;
    QAction *EditRedo;
    QAction *UntitledMenu2;
    QAction *EditCut;
    QAction *EditCopy;
    QAction *EditPaste;
    QAction *EditClear;
    QAction *meneditionitemeffacerlaligne;
    QAction *UntitledMenu1;
    QAction *meneditionitempref;
    QAction *AppleAproposdeVelTiming;
};
