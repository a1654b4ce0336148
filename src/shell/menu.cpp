#include "shell/menu.h"

#include <QAction>
#include <QApplication>
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

QAction *addNamedSeparator(QMenu *menu, const char *name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

QMenu *addNamedMenu(QMenuBar *bar, const char *name, const QString &text)
{
    QMenu *menu = bar->addMenu(text);
    menu->setObjectName(QLatin1String(name));
    menu->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return menu;
}

// Runs an editing slot on the focused widget of any window, where it has one:
// a field, or the list for copying.
void editFocused(const char *slot)
{
    QWidget *focused = QApplication::focusWidget();
    if (focused && focused->metaObject()->indexOfSlot(QByteArray(slot) + "()") >= 0)
        QMetaObject::invokeMethod(focused, slot);
}
} // namespace

Menu::Menu()
{
    setObjectName(QStringLiteral("Menu"));
    UntitledMenu3 = addNamedMenu(this, "UntitledMenu3", QStringLiteral("&Fichier"));
    menfichierMenuouvrir =
        addItem(UntitledMenu3, "menfichierMenuouvrir", QStringLiteral("&Ouvrir une liste"), QKeySequence::Open);
    FileSauver = addItem(UntitledMenu3, "FileSauver", QStringLiteral("&Sauver la liste"), QKeySequence::Save);
    menfichierImprimer =
        addItem(UntitledMenu3, "menfichierImprimer", QStringLiteral("&Imprimer la liste"), QKeySequence::Print);
    UntitledMenu4 = addNamedSeparator(UntitledMenu3, "UntitledMenu4");
    menfichieritemquitter = addItem(UntitledMenu3, "menfichieritemquitter", QStringLiteral("&Quitter"),
                                    QKeySequence::Quit, QAction::QuitRole);

    UntitledMenu0 = addNamedMenu(this, "UntitledMenu0", QStringLiteral("&Edition"));
    EditUndo = addItem(UntitledMenu0, "EditUndo", QStringLiteral("&Annuler"), QKeySequence::Undo);
    EditUndo->setEnabled(false);
    EditRedo = addItem(UntitledMenu0, "EditRedo", QStringLiteral("&Rétablir"), QKeySequence::Redo);
    EditRedo->setEnabled(false);
    UntitledMenu2 = addNamedSeparator(UntitledMenu0, "UntitledMenu2");
    EditCut = addItem(UntitledMenu0, "EditCut", QStringLiteral("Co&uper"), QKeySequence::Cut);
    EditCopy = addItem(UntitledMenu0, "EditCopy", QStringLiteral("&Copier"), QKeySequence::Copy);
    EditPaste = addItem(UntitledMenu0, "EditPaste", QStringLiteral("C&oller"), QKeySequence::Paste);
    EditClear = addItem(UntitledMenu0, "EditClear", QStringLiteral("&Effacer la liste"));
    meneditionitemeffacerlaligne =
        addItem(UntitledMenu0, "meneditionitemeffacerlaligne", QStringLiteral("Effacer la li&gne"));
    UntitledMenu1 = addNamedSeparator(UntitledMenu0, "UntitledMenu1");
    meneditionitempref =
        addItem(UntitledMenu0, "meneditionitempref", QStringLiteral("&Préférences..."), {}, QAction::PreferencesRole);
    AppleAproposdeVelTiming = addItem(UntitledMenu0, "AppleAproposdeVelTiming",
                                      QStringLiteral("A propos de &Vel Timing"), {}, QAction::AboutRole);

    // The fields handle their own shortcuts; these serve the menu clicks.
    for (QAction *action : {EditCut, EditCopy, EditPaste})
        action->setShortcutContext(Qt::WidgetShortcut);
    connect(EditCut, &QAction::triggered, this, [] { editFocused("cut"); });
    connect(EditCopy, &QAction::triggered, this, [] { editFocused("copy"); });
    connect(EditPaste, &QAction::triggered, this, [] { editFocused("paste"); });

    // F10 opens the first menu, as elsewhere on the desktop.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { setActiveAction(UntitledMenu3->menuAction()); });
}

MenuItems Menu::items() const
{
    return {AppleAproposdeVelTiming, FileSauver,         meneditionitempref,   meneditionitemeffacerlaligne,
            menfichieritemquitter,   menfichierImprimer, menfichierMenuouvrir, EditClear};
}
