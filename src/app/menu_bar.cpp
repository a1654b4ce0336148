#include "app/menu_bar.h"

#include "core/program.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

namespace {
QAction *addItem(QMenu *menu, const char *name, const QString &text, const QKeySequence &shortcut = {},
                 QAction::MenuRole role = QAction::NoRole)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setMenuRole(role);
    return action;
}

void addNamedSeparator(QMenu *menu, const char *name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

QMenu *addNamedMenu(QMenuBar *bar, const char *name, const QString &text)
{
    QMenu *menu = bar->addMenu(text);
    menu->setObjectName(QLatin1String(name));
    menu->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return menu;
}
} // namespace

MenuBar::MenuBar()
{
    setObjectName(QStringLiteral("Menu"));
    fileMenu_ = addNamedMenu(this, "UntitledMenu3", QStringLiteral("&Fichier"));
    items_.open = addItem(fileMenu_, "menfichierMenuouvrir", QStringLiteral("&Ouvrir une liste"), QKeySequence::Open);
    items_.save = addItem(fileMenu_, "FileSauver", QStringLiteral("&Sauver la liste"), QKeySequence::Save);
    items_.print = addItem(fileMenu_, "menfichierImprimer", QStringLiteral("&Imprimer la liste"), QKeySequence::Print);
    addNamedSeparator(fileMenu_, "UntitledMenu4");
    items_.quit =
        addItem(fileMenu_, "menfichieritemquitter", QStringLiteral("&Quitter"), QKeySequence::Quit, QAction::QuitRole);

    QMenu *edit = addNamedMenu(this, "UntitledMenu0", QStringLiteral("&Edition"));
    items_.undo = addItem(edit, "EditUndo", QStringLiteral("&Annuler"), QKeySequence::Undo);
    items_.redo = addItem(edit, "EditRedo", QStringLiteral("&Rétablir"), QKeySequence::Redo);
    items_.undo->setEnabled(false);
    items_.redo->setEnabled(false);
    addNamedSeparator(edit, "UntitledMenu2");
    items_.cut = addItem(edit, "EditCut", QStringLiteral("Co&uper"), QKeySequence::Cut);
    items_.copy = addItem(edit, "EditCopy", QStringLiteral("&Copier"), QKeySequence::Copy);
    items_.paste = addItem(edit, "EditPaste", QStringLiteral("C&oller"), QKeySequence::Paste);
    items_.clearList = addItem(edit, "EditClear", QStringLiteral("&Effacer la liste"));
    items_.removeRow = addItem(edit, "meneditionitemeffacerlaligne", QStringLiteral("Effacer la li&gne"));
    addNamedSeparator(edit, "UntitledMenu1");
    items_.preferences =
        addItem(edit, "meneditionitempref", QStringLiteral("&Préférences..."), {}, QAction::PreferencesRole);
    items_.about = addItem(edit, "AppleAproposdeVelTiming", QStringLiteral("A propos de &") + Program::title(), {},
                           QAction::AboutRole);

    // The fields handle their own shortcuts; these serve the menu clicks.
    for (QAction *action : {items_.cut, items_.copy, items_.paste})
        action->setShortcutContext(Qt::WidgetShortcut);

    // F10 opens the first menu, as elsewhere on the desktop.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { setActiveAction(fileMenu_->menuAction()); });
}
