// The list's editing events and the menu commands of the main window. The
// commands' work is done by the handlers the layers above register.
#include "engine/list_box.h"
#include "engine/window1.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
// The eight routed items, in their registration order.
const char *const kMenuCommands[] = {
    "AppleAproposdeVelTiming", "FileSauver",         "meneditionitempref",   "meneditionitemeffacerlaligne",
    "menfichieritemquitter",   "menfichierImprimer", "menfichierMenuouvrir", "EditClear"};
} // namespace

void Window1::setHandler(const QString &name, std::function<void()> handler)
{
    handlers_.insert(name, std::move(handler));
}

bool Window1::dispatch(const QString &name)
{
    if (const auto handler = handlers_.value(name))
        handler();
    return false;
}

void Window1::ListBox1_DoubleClick()
{
    for (int column = 0; column < 3; ++column)
        ListBox1->setColumnEditable(column, true);
}

void Window1::ListBox1_CellAction(int, int)
{
    for (int column = 0; column < 3; ++column)
        ListBox1->setColumnEditable(column, false);
}

void Window1::efface_liste_Action()
{
    dispatch(QStringLiteral("efface_liste"));
}

bool Window1::AppleAproposdeVelTiming_Action()
{
    return dispatch(QStringLiteral("AppleAproposdeVelTiming"));
}

bool Window1::FileSauver_Action()
{
    return dispatch(QStringLiteral("FileSauver"));
}

bool Window1::meneditionitempref_Action()
{
    return dispatch(QStringLiteral("meneditionitempref"));
}

bool Window1::meneditionitemeffacerlaligne_Action()
{
    return dispatch(QStringLiteral("meneditionitemeffacerlaligne"));
}

bool Window1::menfichieritemquitter_Action()
{
    return dispatch(QStringLiteral("menfichieritemquitter"));
}

bool Window1::menfichierImprimer_Action()
{
    return dispatch(QStringLiteral("menfichierImprimer"));
}

bool Window1::menfichierMenuouvrir_Action()
{
    return dispatch(QStringLiteral("menfichierMenuouvrir"));
}

bool Window1::EditClear_Action()
{
    return dispatch(QStringLiteral("EditClear"));
}

void Window1::AddMenuHandlers()
{
    QMenuBar *bar = menuBar();
    const std::pair<const char *, bool (Window1::*)()> routes[] = {
        {kMenuCommands[0], &Window1::AppleAproposdeVelTiming_Action},
        {kMenuCommands[1], &Window1::FileSauver_Action},
        {kMenuCommands[2], &Window1::meneditionitempref_Action},
        {kMenuCommands[3], &Window1::meneditionitemeffacerlaligne_Action},
        {kMenuCommands[4], &Window1::menfichieritemquitter_Action},
        {kMenuCommands[5], &Window1::menfichierImprimer_Action},
        {kMenuCommands[6], &Window1::menfichierMenuouvrir_Action},
        {kMenuCommands[7], &Window1::EditClear_Action},
    };
    for (const auto &[name, handler] : routes)
        if (QAction *action = bar->findChild<QAction *>(QLatin1String(name)))
            connect(action, &QAction::triggered, this, [this, handler = handler] { (this->*handler)(); });
    for (QMenu *menu : bar->findChildren<QMenu *>())
        connect(menu, &QMenu::aboutToShow, this, &Window1::EnableMenuItems);
}

void Window1::EnableMenuItems()
{
    for (const char *name : kMenuCommands)
        if (QAction *action = menuBar()->findChild<QAction *>(QLatin1String(name)))
            action->setEnabled(true);
}
