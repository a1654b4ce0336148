#include "core/frame_correction.h"
#include "core/preference_records.h"
#include "core/variables_globales.h"
#include "dialogs/fenetre_answer.h"
#include "dialogs/fenetre_message.h"
#include "dialogs/fonctions_fenetres_divreses.h"
#include "main_window/alerte_vel.h"
#include "main_window/demande_message_timer.h"
#include "main_window/window1.h"
#include "program_fixture.h"
#include "shell/bienvenue.h"
#include "shell/cursor_blink.h"
#include "shell/pref_interm.h"
#include "widgets/icon_canvas.h"
#include "widgets/list_box.h"
#include "widgets/little_arrows.h"

#include <QtWidgets>

using PreferenceRecords::write;
static const auto kEx = QByteArray::fromHex("02323002353003333537033532300130013101310453746F7003333030013204546F7572");
static const QString kRest =
    " 520x357 2/timer arrows1 0:05:00:00 300/300 50,25,25 [Tour] [Stop] 011 011 tags12 111 [] [] 0";
static const QString kPlain = "|00|20,50 520x357 1/chrono arrows0 0:00:00:00 300/300 ";
static const QString kTail = " Certains problèmes d'affichage peuvent se poser.\nSi vous voulez lancer VelTiming "
                             "malgré tout, cliquez sur \"Continuer\".|31|";

// Start-up restores the settings, the preferences window changes them, quitting writes them.
class TestShell : public QObject {
    Q_OBJECT
    ProgramFixture program;
    QTemporaryDir folder;
    QAction *item(const QString &name) const { return program.window().menuBar()->findChild<QAction *>(name); }

    // The list's column widths, in percent of its width.
    QString widths() const
    {
        const ListBox *list = program.window().ListBox1;
        QStringList percent;
        for (int column = 0; column < 3; ++column)
            percent << QString::number(list->isColumnHidden(column)
                                           ? 0
                                           : qRound(100.0 * list->columnWidth(column) / list->viewport()->width()));
        return percent.join(',');
    }
    // Settings as shown and held; date, idle, welcome; the preferences window's texts, shown.
    QString settings() const
    {
        const Window1 &w = program.window();
        const auto &vg = Variables_globales;
        const pref_interm &p = pref_interm::instance();
        int tags = 0;
        for (const HelpTag &tag : w.helpTags() + p.helpTags())
            tags += tag.control->toolTip() == tag.text;
        const QRect f(vg.coord_win1_left, vg.coord_win1_top, vg.coord_win1_largeur, vg.coord_win1_hauteur);
        return QString::asprintf(
            "%d,%d %dx%d %d/%s arrows%d %s %s/%s %s [%s] [%s] %d%d%d %d%d%d tags%d %d%d%d [%s] [%s] %d", f.left(),
            f.top(), f.width(), f.height(), w.RadioButton1->isChecked() + 2 * w.RadioButton2->isChecked(),
            vg.run.timer() ? "timer" : "chrono", w.LittleArrows1->isVisible(), qUtf8Printable(program.display()),
            qUtf8Printable(w.StaticText1->text()), qUtf8Printable(w.Preference_vel_Timer->text()),
            qUtf8Printable(widths()), qUtf8Printable(w.preftexteligne->text()), qUtf8Printable(vg.pref_texte_timer),
            vg.demande_message_ou_pas, vg.voir_ecarts, vg.pref_tips, p.CheckBox1->isChecked(), p.CheckBox2->isChecked(),
            p.CheckBox3->isChecked(), tags, w.StaticText3->text() == "dimanche 6 décembre 2026",
            program.controls() == kIdle, Bienvenue::instance().isVisible(), qUtf8Printable(p.chaine_interm->text()),
            qUtf8Printable(p.timer_defaut->text()), p.isVisible());
    }

    void startWith(const QString &fonts, const QByteArray &file)
    {
        QFile stored(folder.filePath("Pref Vel Timing"));
        QVERIFY(file.isEmpty() ? !stored.exists() || stored.remove()
                               : stored.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && stored.write(file) >= 0);
        program.asked.clear();
        program.start([&](FakePlatform &p) {
            p.preferences = folder.path();
            p.fonts = fonts.chopped(2).split(',');
            program.answer(fonts.right(1).toInt()); // for the missing fonts warning
        });
    }

private slots:
    void restoreAndChange_data()
    {
        QTest::addColumn<QString>("fonts"); // then the button pressed at the warning
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("steps");    // preferences: the boxes, then buttons 1-3, Return, Escape, 0 to reopen
        QTest::addColumn<QString>("expected"); // the warning, the message's icon and default button, the settings
        const QString fonts = "Helvetica,Courier 0";
        const QByteArray off = write({"20", "50", "357", "520", "0", "0", "0", "Fini", "300", "1", "Tour"});
        // clang-format off
        QTest::newRow("first launch") << fonts << QByteArray() << "" << kPlain + "50,25,25 [Temps intermédiaire ] [Temps écoulé!] 011 011 tags12 111 [] [] 0";
        QTest::newRow("example, fonts in other case") << "HELVETICA,courier 0" << kEx << "" << "|00|20,50" + kRest;
        QTest::newRow("all off, empty texts, preset too short") << fonts << write({"-40", "120", "400", "560", "1", "0", "0", "", "2", "7", ""}) << ""
                                              << "|00|0,120 560x400 2/timer arrows1 0:00:05:00 5/5 75,25,0 [Intermédiaire] [] 100 100 tags0 111 [] [] 0";
        QTest::newRow("below the screen, font clones") << "Nimbus Sans [urw],Nimbus Mono PS [UKWN] 0" << write({"10", "901"}) + kEx.mid(6) << "" << "|00|10,543" + kRest;
        QTest::newRow("no number for a preset") << fonts << kEx.left(25) + write({"abc"}) + kEx.mid(29) << "" << "|00|20,50" + kRest;
        QTest::newRow("huge frame and preset") << fonts << write({"2147483647", "-2147483648", "2147483647", "2147483647", "0", "1", "1", "Stop", "99999999", "2", "Tour"}) << ""
                                               << "|00|0,0 1440x900 2/timer arrows1 999:00:00:00 3596400/3596400 50,25,25 [Tour] [Stop] 011 011 tags12 111 [] [] 0";
        QTest::newRow("no Courier, Continuer") << "Helvetica,Courier New 2" << kEx << "" << "La police \"Courier\" n'est pas installée." + kTail + "20,50" + kRest;
        QTest::newRow("no Helvetica, Quitter") << "Helvetica Neue,Courier 1" << kEx << "" << "La police \"Helvetica\" n'est pas installée." + kTail + "quit 0";
        QTest::newRow("neither, Quitter") << "DejaVu Sans 1" << kEx << "" << "Les polices \"Helvetica\", \"Courier\" ne sont pas installées." + kTail + "quit 0";
        QTest::newRow("window: typed, Return") << fonts << off << "111 R" << kPlain + "50,25,25 [Étape] [Fini] 111 111 tags12 111 [Étape] [Fini] 0";
        QTest::newRow("window: defaults, OK") << fonts << off << "010 31" << kPlain + "50,25,25 [Temps intermédiaire ] [Temps écoulé!] 010 010 tags0 111 [Temps intermédiaire ] [Temps écoulé!] 0";
        QTest::newRow("window: Annuler, again") << fonts << off << "111 20" << kPlain + "75,25,0 [Tour] [Fini] 000 011 tags0 111 [Tour] [Fini] 1";
        QTest::newRow("window: Escape") << fonts << off << "100 E" << kPlain + "75,25,0 [Tour] [Fini] 000 100 tags0 111 [Étape] [Fini] 0";
        // clang-format on
    }
    void restoreAndChange()
    {
        QFETCH(QString, fonts);
        QFETCH(QByteArray, file);
        QFETCH(QString, steps);
        startWith(fonts, file);
        pref_interm &p = pref_interm::instance();
        if (!steps.isEmpty()) {
            program.window().meneditionitempref_Action();
            p.chaine_interm->setText("Étape");
        }
        for (int i = 0; i < 3 && !steps.isEmpty(); ++i)
            p.findChild<QCheckBox *>(QString::asprintf("CheckBox%d", i + 1))->setChecked(steps[i] == '1');
        for (const QChar key : steps.mid(4)) {
            if (key == '0')
                program.window().meneditionitempref_Action();
            else if (key.isDigit())
                QTest::mouseClick(p.findChild<QPushButton *>(QString("PushButton") + key), Qt::LeftButton);
            else
                QTest::keyClick(p.timer_defaut, key == 'R' ? Qt::Key_Return : Qt::Key_Escape);
        }
        const fenetre_message &m = fenetre_message::instance();
        QTEST(program.asked.join("") + QString::asprintf("|%d%d|", m.icone_fenetre, m.PushButton1->isDefault()) +
                  (Window1::exists() ? settings() : QString::asprintf("quit %d", program.platform.quits.value(0, -1))),
              "expected");
    }

    void frameOnAScreen_data()
    {
        QTest::addColumn<QList<int>>("stored"); // left, top, height, width
        QTest::addColumn<QRect>("frame");
        const int max = std::numeric_limits<int>::max(), min = std::numeric_limits<int>::min();
        // clang-format off
        QTest::newRow("on the left screen") << QList<int>{-900, 100, 357, 520} << QRect(-900, 100, 520, 357);
        QTest::newRow("mostly on the left one") << QList<int>{-300, 100, 357, 520} << QRect(-520, 100, 520, 357);
        QTest::newRow("where a screen was") << QList<int>{-3000, -400, 357, 520} << QRect(0, 0, 520, 357);
        QTest::newRow("past the far corner") << QList<int>{1400, 880, 357, 520} << QRect(920, 543, 520, 357);
        QTest::newRow("larger than the screen") << QList<int>{min, min, max, max} << QRect(0, 0, 1440, 900);
        // clang-format on
    }
    void frameOnAScreen()
    {
        QFETCH(QList<int>, stored);
        const QList<QRect> screens{QRect(0, 0, 1440, 900), QRect(-1280, 0, 1280, 1024)};
        QTEST(FrameCorrection::onScreen(stored[0], stored[1], stored[2], stored[3], screens), "frame");
    }

    // A second start leaves the first one's list alone, and brings its window forward.
    void secondStart()
    {
        program.start([](FakePlatform &p) { p.sole = false; });
        QVERIFY(!Window1::exists() && program.platform.quits == QList<int>{0});
        program.start();
        program.window().showMinimized();
        program.platform.raiseRequest();
        QVERIFY(program.window().isVisible() && !program.window().isMinimized());
    }

    void quitRewritesTheSettingsOnceTheFolderCanBeMade()
    {
        const QByteArray stored = write({"40", "120", "400", "560", "1", "0", "1", "Fin", "301", "2", "Tour "});
        startWith("Helvetica,Courier 0", stored);
        const QString blocked = folder.filePath("blocker/sub");
        QVERIFY(QFile(folder.filePath("blocker")).open(QIODevice::WriteOnly)); // a file where the folder goes
        program.platform.preferences = blocked;
        App().Close();
        QVERIFY(QFile::remove(folder.filePath("blocker")));
        App().Close(); // only the first one fails, and tells why
        QCOMPARE(program.platform.messages,
                 QStringList(QString("Impossible d'enregistrer les préférences dans « %1/Pref "
                                     "Vel Timing » : le dossier « %1 » ne peut pas être créé")
                                 .arg(blocked)));
        QFile written(blocked + "/Pref Vel Timing");
        QCOMPARE(written.open(QIODevice::ReadOnly) ? written.readAll() : "missing", stored);
    }

    // The menu commands and the system request that open the preferences window.
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
        program.start();
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
        program.start();
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

    // The program's own questions and windows.
    void askAndTell()
    {
        program.start();
        fenetre_message &m = fenetre_message::instance();
        m.OK = true;
        QStringList outcomes; // Escape and the close box press neither button, and leave OK as it was
        for (const bool escape : {true, false}) {
            program.platform.dialogScripts.enqueue([escape](QDialog &d) {
                QTest::keyClick(&d, Qt::Key_Return); // presses neither button
                QVERIFY(d.isVisible());
                escape ? QTest::keyClick(&d, Qt::Key_Escape) : void(d.close());
                QVERIFY(!d.isVisible()); // or the program would wait for it for ever
            });
            const Answer answer = Fonctions_fenetres_divreses::type_message("Deux\rlignes", "", "", "Titre", 0, 0);
            outcomes << QString::asprintf("%s|%s|%d%d|%d/%d OK%d %d", qUtf8Printable(m.StaticText1->text()),
                                          qUtf8Printable(m.windowTitle()), m.PushButton1->isDefault(),
                                          m.PushButton2->isDefault(), m.icone_fenetre, m.Canvas1->iconCode(), m.OK,
                                          answer == Answer::Cancelled);
        }
        QCOMPARE(outcomes, QStringList(2, "Deux\nlignes|Titre|00|0/0 OK1 1"));
        const fenetre_answer &a = fenetre_answer::instance();
        // Annuler and Escape drop what was typed; Continuer keeps even an empty answer
        for (const int button : {1, 2, 0}) {
            Variables_globales.Commentaire_encours = "avant";
            program.answer(button, button == 2 ? "" : "Course");
            const Reply reply = Fonctions_fenetres_divreses::Type_answer("q", "avant", "", "", "", 2, 1);
            QCOMPARE(QString::asprintf("%d [%s] [%s] OK%d %d/%d %d%d", int(reply.answer), qUtf8Printable(reply.text),
                                       qUtf8Printable(Variables_globales.Commentaire_encours), a.OK, a.icone_fenetre,
                                       a.Canvas1->iconCode(), a.PushButton1->isDefault(), a.PushButton2->isDefault()),
                     QStringList({"0 [] [avant] OK0 2/2 10", "1 [] [] OK1 2/2 10",
                                  "2 [] [avant] OK1 2/2 10"})[button ? button - 1 : 2]);
        }
    }

    // Every window as a user and a screen reader meet it: each named control, menu item and timer, with what
    // shows of it. tests/shell/windows.txt keeps them; after a change meant, VEL_WINDOWS=write writes it anew.
    void windowsAsMet()
    {
        program.start();
        Fonctions_fenetres_divreses::type_message("", "", "", "", 0, 0);
        Fonctions_fenetres_divreses::Type_answer("", "", "", "", "", 0, 0);
        QStringList lines;
        for (QObject *window : QList<QObject *>{&program.window(), &alerte_vel::instance(), &Bienvenue::instance(),
                                                &Demande_message_timer::instance(), &pref_interm::instance(),
                                                &fenetre_message::instance(), &fenetre_answer::instance()})
            for (QObject *object : QList<QObject *>{window} + window->findChildren<QObject *>()) {
                QString line = object->metaObject()->className() + QString(' ') + object->objectName();
                for (const char *name : {"windowTitle", "text",           "title",
                                         "toolTip",     "accessibleName", "accessibleDescription",
                                         "alignment",   "wordWrap",       "default",
                                         "autoDefault", "checked",        "enabled",
                                         "focusPolicy", "shortcut",       "autoRepeatInterval",
                                         "menuRole",    "interval",       "singleShot",
                                         "active",      "timerType"})
                    if (const QVariant value = object->property(name); value.isValid() && value != QString())
                        line += QString(" %1=%2").arg(name,
                                                      value.typeId() != QMetaType::QString && value.toString().isEmpty()
                                                          ? QString::number(value.toInt())
                                                          : value.toString().replace('\n', "\\n"));
                if (auto *widget = qobject_cast<QWidget *>(object))
                    line += (widget->isVisibleTo(widget->window()) ? " shown" : " hidden") +
                            (widget->isWindow()
                                 ? QString(" flags=%1 %2x%3%4")
                                       .arg(widget->windowFlags())
                                       .arg(widget->width())
                                       .arg(widget->height())
                                       .arg(widget->testAttribute(Qt::WA_ShowWithoutActivating) ? " quietly" : "")
                                 : QString());
                if (!object->objectName().isEmpty() && !object->objectName().startsWith("qt_") &&
                    !object->objectName().startsWith('_'))
                    lines << line;
            }
        const QString path = QFINDTESTDATA("windows.txt");
        if (QFile written(path); qgetenv("VEL_WINDOWS") == "write")
            QVERIFY(written.open(QIODevice::WriteOnly) && written.write(lines.join('\n').toUtf8() + '\n'));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(lines, QString::fromUtf8(kept.readAll()).split('\n', Qt::SkipEmptyParts));
    }

    // Texts in a colour of their own keep it, on a light ground of their own under a dark desktop palette, also
    // when the desktop turns dark under the running program; under a light one only the display fills its ground.
    void ownColours()
    {
        program.start();
        Window1 &w = program.window();
        QStringList grounds;
        for (const bool dark : {false, true}) {
            QApplication::setPalette(dark ? QPalette(QColor(53, 53, 53)) : QApplication::style()->standardPalette());
            QCoreApplication::processEvents();
            for (const QLabel *label : {w.StaticText2, w.StaticText3, w.StaticText4})
                grounds << QString::number(label->autoFillBackground()) +
                               (label->palette().color(QPalette::Window).lightness() > 200 ? "L" : "D") +
                               label->palette().color(QPalette::WindowText).name();
        }
        QApplication::setPalette(QApplication::style()->standardPalette());
        QCOMPARE(grounds.join(' '), "1L#502c99 0L#280d93 0L#280d93 1L#502c99 1L#280d93 1L#280d93");
    }

    void cursorBlinkingStopsAndInputRestartsIt()
    {
        QApplication::setCursorFlashTime(1000);
        CursorBlink blink(nullptr, 60000);
        QLineEdit field;
        field.show();
        blink.stopBlinking();
        QCOMPARE(QApplication::cursorFlashTime(), 0);
        QTest::keyClick(&field, Qt::Key_A);
        QCOMPARE(QApplication::cursorFlashTime(), 1000);
        blink.stopBlinking();
        QTest::mouseClick(&field, Qt::LeftButton);
        QCOMPARE(QApplication::cursorFlashTime(), 1000);
    }
};

VEL_TEST_MAIN(TestShell)
#include "test_shell.moc"
