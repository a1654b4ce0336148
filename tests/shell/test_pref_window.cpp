#include "main_window/window1.h"
#include "program_fixture.h"
#include "shell/bienvenue.h"
#include "shell/pref_interm.h"

#include <QtWidgets>

// The menu commands and the system request that opens the preferences window.
class TestPrefWindow : public QObject {
    Q_OBJECT
    ProgramFixture program;
    QAction *item(const QString &name) const { return program.window().menuBar()->findChild<QAction *>(name); }

private slots:
    void init() { program.start(); }

    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("effect"); // messages, field, clipboard; asked, about, prefs, handled; quit
        // clang-format off
        QTest::newRow("about") << "menu AppleAproposdeVelTiming" << " [Virage nord] Est 0100 quit-1";
        QTest::newRow("save") << "menu FileSauver" << "Il n'y a rien à sauvegarder! [Virage nord] Est 0000 quit-1";
        QTest::newRow("preferences") << "menu meneditionitempref" << " [Virage nord] Est 0010 quit-1";
        QTest::newRow("remove a row") << "menu meneditionitemeffacerlaligne" << "Aucune ligne sélectionnée! [Virage nord] Est 0000 quit-1";
        QTest::newRow("quit") << "menu menfichieritemquitter" << " [Virage nord] Est 0000 quit0";
        QTest::newRow("print") << "menu menfichierImprimer" << " [Virage nord] Est 1000 quit-1";
        QTest::newRow("open") << "menu menfichierMenuouvrir" << "text [Virage nord] Est 0000 quit-1";
        QTest::newRow("clear") << "menu EditClear" << "La liste est déjà vide! [Virage nord] Est 0000 quit-1";
        QTest::newRow("cut") << "edit EditCut" << " [ nord] Virage 0000 quit-1";
        QTest::newRow("copy") << "edit EditCopy" << " [Virage nord] Virage 0000 quit-1";
        QTest::newRow("paste") << "edit EditPaste" << " [Est nord] Est 0000 quit-1";
        QTest::newRow("closing the window") << "close" << " [Virage nord] Est 0000 quit0";
        QTest::newRow("event, any case") << "event AEVT Pref 2560" << " [Virage nord] Est 0011 quit-1";
        QTest::newRow("event, older system") << "event aevt pref 2559" << " [Virage nord] Est 0000 quit-1";
        QTest::newRow("other event") << "event aevt quit 2564" << " [Virage nord] Est 0000 quit-1";
        // clang-format on
    }
    void commands()
    {
        QFETCH(QString, command);
        const QStringList words = command.split(' ');
        Window1 &w = program.window();
        Bienvenue::instance().hide();
        program.answer(1);
        program.platform.version = words.value(3, "-1").toInt();
        QGuiApplication::clipboard()->setText("Est");
        w.activateWindow();
        w.Commentaire->setFocus();
        QTRY_VERIFY(w.Commentaire->hasFocus());
        w.Commentaire->setText("Virage nord");
        w.Commentaire->setSelection(0, 6);
        const bool handled = words[0] == "event" && App().HandleAppleEvent(words[1], words[2]);
        if (words[0] == "close")
            w.close();
        if (words[0] == "menu" || words[0] == "edit") {
            item(words[1])->setEnabled(words[0] == "edit"); // each menu enables its commands as it opens
            for (QMenu *menu : w.menuBar()->findChildren<QMenu *>())
                emit menu->aboutToShow();
            item(words[1])->trigger();
        }
        QTEST((program.platform.messages + program.platform.fileTypes).join(' ') + " [" + w.Commentaire->text() + "] " +
                  QGuiApplication::clipboard()->text() +
                  QString::asprintf(" %d%d%d%d quit%d", program.platform.dialogScripts.isEmpty(),
                                    Bienvenue::instance().isVisible(), pref_interm::instance().isVisible(), handled,
                                    program.platform.quits.value(0, -1)),
              "effect");
    }

    void desktopConventions()
    {
        const QStringList linuxKeys{"Ctrl+O", "Ctrl+S", "Ctrl+P", "Ctrl+Z", "Ctrl+X", "Ctrl+C", "Ctrl+V"};
        int i = 0; // Ctrl+Q for "Quitter" comes from the desktop's scheme, which the end-to-end run checks
        for (const char *name : {"menfichierMenuouvrir", "FileSauver", "menfichierImprimer", "EditUndo", "EditCut",
                                 "EditCopy", "EditPaste"})
            QCOMPARE(item(name)->shortcut().toString(), linuxKeys[i++]);
        Window1 &w = program.window(); // Alt+F and F10 open "Fichier" from the keyboard
        auto *file = w.menuBar()->findChild<QMenu *>("UntitledMenu3");
        for (const QKeyCombination keys : {Qt::ALT | Qt::Key_F, QKeyCombination(Qt::Key_F10)}) {
            w.activateWindow();
            QTRY_VERIFY(w.isActiveWindow());
            QTest::keyClick(w.Commentaire, keys.key(), keys.keyboardModifiers());
            QTRY_VERIFY(file->isVisible());
            file->close();
        }
        // Drawn, not merely named: a missing SVG plugin gives an empty icon.
        QVERIFY(!program.window().windowIcon().pixmap(32).isNull());
    }
};

VEL_TEST_MAIN(TestPrefWindow)
#include "test_pref_window.moc"
