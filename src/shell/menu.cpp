#include "shell/menu.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

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

// Runs an editing slot on the focused field of any window.
void editFocused(const char *slot)
{
    QWidget *focused = QApplication::focusWidget();
    if (qobject_cast<QLineEdit *>(focused) || qobject_cast<QPlainTextEdit *>(focused))
        QMetaObject::invokeMethod(focused, slot);
}
} // namespace

Menu::Menu()
{
    setObjectName(QStringLiteral("Menu"));
    UntitledMenu3 = addMenu(QStringLiteral("Fichier"));
    UntitledMenu3->setObjectName(QStringLiteral("UntitledMenu3"));
    UntitledMenu3->setAccessibleName(UntitledMenu3->title());
    menfichierMenuouvrir =
        addItem(UntitledMenu3, "menfichierMenuouvrir", QStringLiteral("Ouvrir une liste"), QKeySequence::Open);
    FileSauver = addItem(UntitledMenu3, "FileSauver", QStringLiteral("Sauver la liste"), QKeySequence::Save);
    menfichierImprimer =
        addItem(UntitledMenu3, "menfichierImprimer", QStringLiteral("Imprimer la liste"), QKeySequence::Print);
    UntitledMenu4 = addNamedSeparator(UntitledMenu3, "UntitledMenu4");
    menfichieritemquitter =
        addItem(UntitledMenu3, "menfichieritemquitter", QStringLiteral("Quitter"), {}, QAction::QuitRole);

    UntitledMenu0 = addMenu(QStringLiteral("Edition"));
    UntitledMenu0->setObjectName(QStringLiteral("UntitledMenu0"));
    UntitledMenu0->setAccessibleName(UntitledMenu0->title());
    EditUndo = addItem(UntitledMenu0, "EditUndo", QStringLiteral("Annuler"), QKeySequence::Undo);
    EditUndo->setEnabled(false);
    UntitledMenu2 = addNamedSeparator(UntitledMenu0, "UntitledMenu2");
    EditCut = addItem(UntitledMenu0, "EditCut", QStringLiteral("Couper"), QKeySequence::Cut);
    EditCopy = addItem(UntitledMenu0, "EditCopy", QStringLiteral("Copier"), QKeySequence::Copy);
    EditPaste = addItem(UntitledMenu0, "EditPaste", QStringLiteral("Coller"), QKeySequence::Paste);
    EditClear = addItem(UntitledMenu0, "EditClear", QStringLiteral("Effacer la liste"));
    meneditionitemeffacerlaligne =
        addItem(UntitledMenu0, "meneditionitemeffacerlaligne", QStringLiteral("Effacer la ligne"));
    UntitledMenu1 = addNamedSeparator(UntitledMenu0, "UntitledMenu1");
    meneditionitempref =
        addItem(UntitledMenu0, "meneditionitempref", QStringLiteral("Préférences..."), {}, QAction::PreferencesRole);
    AppleAproposdeVelTiming = addItem(UntitledMenu0, "AppleAproposdeVelTiming",
                                      QStringLiteral("A propos de Vel Timing"), {}, QAction::AboutRole);

    // The fields handle their own shortcuts; these serve the menu clicks.
    for (QAction *action : {EditCut, EditCopy, EditPaste})
        action->setShortcutContext(Qt::WidgetShortcut);
    connect(EditCut, &QAction::triggered, this, [] { editFocused("cut"); });
    connect(EditCopy, &QAction::triggered, this, [] { editFocused("copy"); });
    connect(EditPaste, &QAction::triggered, this, [] { editFocused("paste"); });
}
