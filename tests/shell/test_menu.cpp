#include "engine/list_box.h"
#include "engine/window1.h"
#include "program_fixture.h"
#include "shell/menu.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

class TestMenu : public QObject {
    Q_OBJECT
    ProgramFixture program;

    static QStringList describe(QMenu *menu)
    {
        QStringList lines;
        for (QAction *action : menu->actions())
            lines.append(action->objectName() + QLatin1Char('|') + (action->isSeparator() ? "-" : action->text()) +
                         QLatin1Char('|') + action->shortcut().toString());
        return lines;
    }

private slots:
    void init() { program.start(); }

    void menuTree()
    {
        Menu &menu = Menu::instance();
        QCOMPARE(program.window().menuBar(), &menu);
        const QList<QAction *> top = menu.actions();
        QCOMPARE(top.size(), 2);
        QCOMPARE(top[0]->text(), QStringLiteral("Fichier"));
        QCOMPARE(top[1]->text(), QStringLiteral("Edition"));
        QCOMPARE(describe(menu.UntitledMenu3),
                 QStringList({"menfichierMenuouvrir|Ouvrir une liste|Ctrl+O", "FileSauver|Sauver la liste|Ctrl+S",
                              "menfichierImprimer|Imprimer la liste|Ctrl+P", "UntitledMenu4|-|",
                              "menfichieritemquitter|Quitter|"}));
        QCOMPARE(
            describe(menu.UntitledMenu0),
            QStringList({"EditUndo|Annuler|Ctrl+Z", "UntitledMenu2|-|", "EditCut|Couper|Ctrl+X",
                         "EditCopy|Copier|Ctrl+C", "EditPaste|Coller|Ctrl+V", "EditClear|Effacer la liste|",
                         "meneditionitemeffacerlaligne|Effacer la ligne|", "UntitledMenu1|-|",
                         "meneditionitempref|Préférences...|", "AppleAproposdeVelTiming|A propos de Vel Timing|"}));
        QCOMPARE(menu.menfichieritemquitter->menuRole(), QAction::QuitRole);
        QCOMPARE(menu.meneditionitempref->menuRole(), QAction::PreferencesRole);
        QCOMPARE(menu.AppleAproposdeVelTiming->menuRole(), QAction::AboutRole);
    }

    void routedItemsAlwaysEnabled()
    {
        Menu &menu = Menu::instance();
        const QList<QAction *> routed{
            menu.meneditionitempref, menu.AppleAproposdeVelTiming,      menu.menfichieritemquitter, menu.FileSauver,
            menu.menfichierImprimer, menu.meneditionitemeffacerlaligne, menu.menfichierMenuouvrir,  menu.EditClear};
        for (QAction *action : routed)
            action->setEnabled(false);
        program.click(program.window().bt_depart);
        emit menu.UntitledMenu3->aboutToShow();
        for (QAction *action : routed)
            QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
        QVERIFY(!menu.EditUndo->isEnabled());
    }

    void itemsReachTheirHandlers()
    {
        Menu &menu = Menu::instance();
        menu.meneditionitemeffacerlaligne->trigger();
        QCOMPARE(program.platform.messages, QStringList({"Aucune ligne sélectionnée!"}));
        menu.EditClear->trigger();
        QCOMPARE(program.platform.messages.last(), QStringLiteral("La liste est déjà vide!"));
    }

    void closingTheWindowRunsTheQuitCommand()
    {
        program.window().close();
        QCOMPARE(program.platform.quits, QList<int>({0}));
    }

    void cutCopyPasteOnTheFocusedField()
    {
        Menu &menu = Menu::instance();
        QLineEdit *field = program.window().Commentaire;
        program.window().activateWindow();
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        field->setText(QStringLiteral("Virage nord"));
        field->setSelection(0, 6);
        menu.EditCopy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Virage"));
        menu.EditCut->trigger();
        QCOMPARE(field->text(), QStringLiteral(" nord"));
        field->setCursorPosition(5);
        menu.EditPaste->trigger();
        QCOMPARE(field->text(), QStringLiteral(" nordVirage"));
    }
};

VEL_TEST_MAIN(TestMenu)
#include "test_menu.moc"
