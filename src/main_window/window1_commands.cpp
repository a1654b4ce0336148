// The list's editing events and the menu commands of the main window.
#include "main_window/effacer_la_liste.h"
#include "main_window/window1.h"
#include "platform/platform.h"
#include "widgets/list_box.h"

#include <QAction>
#include <QMenu>

bool Window1::run(const std::function<void()> &command)
{
    if (command)
        command();
    return false;
}

void Window1::ListBox1_DoubleClick()
{
    laps_.setEditable(true);
}

void Window1::ListBox1_CellAction(int, int)
{
    laps_.setEditable(false);
}

void Window1::efface_liste_Action()
{
    Methodes::Effacer_la_liste();
}

bool Window1::AppleAproposdeVelTiming_Action()
{
    return run(commands_.about);
}

bool Window1::FileSauver_Action()
{
    return run(commands_.save);
}

bool Window1::meneditionitempref_Action()
{
    return run(commands_.preferences);
}

bool Window1::meneditionitemeffacerlaligne_Action()
{
    const int selected = ListBox1->selectedRow();
    if (selected > -1)
        history_.removeRow(selected);
    else
        Platform::get().messageBox(QStringLiteral("Aucune ligne sélectionnée!"));
    return false;
}

bool Window1::menfichieritemquitter_Action()
{
    return run(commands_.quit);
}

bool Window1::menfichierImprimer_Action()
{
    return run(commands_.print);
}

bool Window1::menfichierMenuouvrir_Action()
{
    return run(commands_.open);
}

bool Window1::EditClear_Action()
{
    Methodes::Effacer_la_liste();
    return false;
}

void Window1::AddMenuHandlers(const MenuItems &items)
{
    items_ = items;
    const std::pair<QAction *, bool (Window1::*)()> routes[] = {
        {items.AppleAproposdeVelTiming, &Window1::AppleAproposdeVelTiming_Action},
        {items.FileSauver, &Window1::FileSauver_Action},
        {items.meneditionitempref, &Window1::meneditionitempref_Action},
        {items.meneditionitemeffacerlaligne, &Window1::meneditionitemeffacerlaligne_Action},
        {items.menfichieritemquitter, &Window1::menfichieritemquitter_Action},
        {items.menfichierImprimer, &Window1::menfichierImprimer_Action},
        {items.menfichierMenuouvrir, &Window1::menfichierMenuouvrir_Action},
        {items.EditClear, &Window1::EditClear_Action},
    };
    for (const auto &[action, handler] : routes) {
        connect(action, &QAction::triggered, this, [this, handler = handler] { (this->*handler)(); });
        // Before any menu that holds the item is shown.
        if (QMenu *menu = qobject_cast<QMenu *>(action->parent()))
            connect(menu, &QMenu::aboutToShow, this, &Window1::EnableMenuItems, Qt::UniqueConnection);
    }
}

void Window1::EnableMenuItems()
{
    for (QAction *action : {items_.AppleAproposdeVelTiming, items_.FileSauver, items_.meneditionitempref,
                            items_.meneditionitemeffacerlaligne, items_.menfichieritemquitter,
                            items_.menfichierImprimer, items_.menfichierMenuouvrir, items_.EditClear})
        if (action)
            action->setEnabled(true);
}
