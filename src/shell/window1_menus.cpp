// Routing of the menu commands to the main window's handlers.
#include "engine/window1.h"
#include "shell/menu.h"

#include <QAction>
#include <QMenu>

void Window1::AddMenuHandlers()
{
    Menu &menu = Menu::instance();
    const std::pair<QAction *, bool (Window1::*)()> routes[] = {
        {menu.AppleAproposdeVelTiming, &Window1::AppleAproposdeVelTiming_Action},
        {menu.FileSauver, &Window1::FileSauver_Action},
        {menu.meneditionitempref, &Window1::meneditionitempref_Action},
        {menu.meneditionitemeffacerlaligne, &Window1::meneditionitemeffacerlaligne_Action},
        {menu.menfichieritemquitter, &Window1::menfichieritemquitter_Action},
        {menu.menfichierImprimer, &Window1::menfichierImprimer_Action},
        {menu.menfichierMenuouvrir, &Window1::menfichierMenuouvrir_Action},
        {menu.EditClear, &Window1::EditClear_Action},
    };
    for (const auto &[action, handler] : routes)
        connect(action, &QAction::triggered, this, [this, handler = handler] { (this->*handler)(); });
    for (QMenu *submenu : {menu.UntitledMenu3, menu.UntitledMenu0})
        connect(submenu, &QMenu::aboutToShow, this, &Window1::EnableMenuItems);
}

void Window1::EnableMenuItems()
{
    Menu &menu = Menu::instance();
    for (QAction *action :
         {menu.meneditionitempref, menu.AppleAproposdeVelTiming, menu.menfichieritemquitter, menu.FileSauver,
          menu.menfichierImprimer, menu.meneditionitemeffacerlaligne, menu.menfichierMenuouvrir, menu.EditClear})
        action->setEnabled(true);
}
