// The main window's handlers wired to the run and to the controls, and the lap list's editing.
#include "core/variables_globales.h"
#include "dialogs/fenetre_message.h"
#include "dialogs/fonctions_fenetres_divreses.h"
#include "kept_lines.h"
#include "main_window/alerte_vel.h"
#include "main_window/demande_message_timer.h"
#include "main_window/window1.h"
#include "program_fixture.h"
#include "shell/menu.h"
#include "shell/pref_interm.h"
#include "widgets/list_box.h"
#include "widgets/little_arrows.h"

#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

class TestWindow1 : public QObject {
    Q_OBJECT
    ProgramFixture program;

    Window1 &w() { return program.window(); }
    ListBox *list() { return program.window().ListBox1; }
    LapList &laps() { return program.window().laps(); }
    bool editable(int column) { return laps().flags(laps().index(0, column)) & Qt::ItemIsEditable; }
    Demande_message_timer &question() { return Demande_message_timer::instance(); }
    alerte_vel &alert() { return alerte_vel::instance(); }
    void timerMode() { QTest::mouseClick(w().RadioButton2, Qt::LeftButton); }
    // Types the keys ("Tab", "Return", "Ctrl+Return", "Escape", or text) into whatever has the keyboard in `window`.
    static void keys(QWidget &window, const QString &keys)
    {
        window.activateWindow();
        QTRY_VERIFY(window.isActiveWindow());
        for (const QString &key : keys.split(' ', Qt::SkipEmptyParts)) {
            const QKeyCombination combination = QKeySequence(key)[0];
            if (key.size() > 1 && key.at(0).isUpper() && key != "Course")
                QTest::keyClick(QApplication::focusWidget(), combination.key(), combination.keyboardModifiers());
            else
                typeInto(QApplication::focusWidget(), key);
        }
    }
    // Clicks the named buttons one second apart.
    void press(const QString &names)
    {
        for (const QString &name : names.split(' ', Qt::SkipEmptyParts)) {
            if (name == "timer" || name == "chrono") {
                QTest::mouseClick(name == "timer" ? w().RadioButton2 : w().RadioButton1, Qt::LeftButton);
                continue;
            }
            program.platform.advance(1);
            program.click(w().findChild<QPushButton *>(name));
        }
    }

private slots:
    void init() { program.start(); }

    // Each case clicks buttons a second apart; tests/main_window/buttons.txt keeps what each shows: the controls,
    // the arrows, the default button, the heading's end, the display, the last row, and whether the alert of an
    // earlier countdown and its notification, shown before the last click, stay (Départ, Stop, Initialiser and a
    // mode dismiss them).
    void buttons()
    {
        KeptLines::check(QFINDTESTDATA("buttons.txt"), [&](const QString &input, QStringList &made) {
            program.start();
            const QString clicks = input;
            press(clicks.section(' ', 0, -2));
            alert().show();
            program.platform.shown[Platform::Notice::CountdownEnd] = QStringLiteral("Vel Timing\nFini");
            press(clicks.section(' ', -1));
            const LittleArrows *arrows = w().LittleArrows1;
            made << QStringList(
                        {program.controls(),
                         QString(arrows->isVisible() ? "shown:" : "hidden:") + (arrows->isEnabled() ? "on" : "off"),
                         w().defaultButton()->objectName(), w().GroupBox2->title().section(' ', -1), program.display(),
                         program.rowCount() ? program.lastRow()[0] : "",
                         alert().isVisible() && program.platform.shown.contains(Platform::Notice::CountdownEnd)
                             ? "alert"
                             : "-"})
                        .join(' ');
            // A run that stops posts nothing; a blank typed next goes to the comment.
            QVERIFY2(
                w().ListBox1->selectedRow() == program.rowCount() - 1 && program.platform.notifications.isEmpty() &&
                    (clicks.endsWith("timer") || clicks.endsWith("chrono") || w().focusWidget() == w().Commentaire),
                qPrintable(input));
        });
    }

    // Return and Enter press the default button; a lap's or a stop's time is its press's, the key's or the
    // mouse's, not its handling's, and a stop's row agrees with the display.
    void pressTimes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("mouse");
        QTest::addColumn<int>("age"); // ms from the press's stamp to its handling, 10 s into the run
        QTest::addColumn<QString>("row");
        QTest::newRow("key") << "intermediaire" << false << 500 << "1: Virage 0:00:09:50";
        QTest::newRow("mouse, released later") << "intermediaire" << true << 200 << "1: Virage 0:00:09:80";
        QTest::newRow("stale") << "intermediaire" << false << 6000 << "1: Virage 0:00:10:00";
        QTest::newRow("from the future") << "intermediaire" << true << -50 << "1: Virage 0:00:10:00";
        QTest::newRow("stop, held 1.5 s") << "bt_depart" << true << 0 << "1: Virage 0:00:10:00 +  0:00:10:00";
    }
    void pressTimes()
    {
        QFETCH(QString, button);
        QFETCH(bool, mouse);
        QFETCH(int, age);
        QTest::keyClick(w().Commentaire, Qt::Key_F5); // other keys the field leaves press nothing
        QCOMPARE(program.controls(), kIdle);
        QTest::keyClick(w().Commentaire, Qt::Key_Return);
        program.platform.advance(10);
        typeInto(w().Commentaire, QStringLiteral("Virage"));
        auto *pushed = w().findChild<QPushButton *>(button);
        const QPointF at = pushed->rect().center();
        QMouseEvent down(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent up(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, {});
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
        QInputEvent &pressed = mouse ? static_cast<QInputEvent &>(down) : key;
        pressed.setTimestamp(program.platform.monotonicMilliseconds() - age);
        QApplication::sendEvent(mouse ? static_cast<QWidget *>(pushed) : w().Commentaire, &pressed);
        program.platform.advance(button == "bt_depart" ? 1.5 : 0.3);
        if (mouse)
            QApplication::sendEvent(pushed, &up);
        const int row = button == "bt_depart" ? 1 : program.rowCount() - 1; // a stop's row before its separator
        QTEST(QStringList(program.row(row)).join(' ').trimmed() + w().Commentaire->text(), "row");
        if (button == "bt_depart")
            QCOMPARE(program.display(), program.row(row)[1]);
    }

    // In every dialog Return presses the button that has the keyboard, and otherwise the default one; in the
    // comment Return starts a new line and Ctrl+Return confirms; Escape gives the answer that keeps things as
    // they were.
    void dialogKeys_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("typed"); // after "Course" typed where the keyboard starts
        QTest::addColumn<QString>("outcome");
        QTest::newRow("comment, Tab to Continuer") << "comment"
                                                   << "Tab Tab Return"
                                                   << "Second Course";
        QTest::newRow("comment, Tab to Annuler") << "comment"
                                                 << "Tab Return"
                                                 << "First ";
        QTest::newRow("comment, Ctrl+Return") << "comment"
                                              << "Return x Ctrl+Return"
                                              << "Second Course\nx";
        QTest::newRow("question, Tab to the second") << "question"
                                                     << "Tab Return"
                                                     << "Second";
        QTest::newRow("question, the first") << "question"
                                             << "Return"
                                             << "First";
        QTest::newRow("alert message, Return") << "alert"
                                               << "Return"
                                               << "Course hidden";
        QTest::newRow("alert message, Tab to Annuler") << "alert"
                                                       << "Tab Return"
                                                       << "Thé prêt hidden";
        QTest::newRow("alert message, Escape") << "alert"
                                               << "Escape"
                                               << "Thé prêt hidden";
        QTest::newRow("preferences, Return") << "preferences"
                                             << "Return"
                                             << "Course hidden";
        QTest::newRow("preferences, Tab to Annuler") << "preferences"
                                                     << "Tab Tab Tab Tab Tab Tab Return"
                                                     << "Temps intermédiaire  hidden";
    }
    void dialogKeys()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, typed);
        QString outcome;
        const auto answered = [&](Answer answer) { return QStringList{"First", "Second", "Cancelled"}[int(answer)]; };
        Variables_globales.pref_texte_timer = QStringLiteral("Thé prêt");
        program.platform.dialogScripts.enqueue([&](QDialog &d) { keys(d, "Course " + typed); });
        if (dialog == "comment") {
            const Reply reply = Fonctions_fenetres_divreses::Type_answer("q", "", "Annuler", "Continuer", "", 1, 0);
            outcome = answered(reply.answer) + ' ' + reply.text;
        } else if (dialog == "question") {
            program.platform.dialogScripts.head() = [&](QDialog &d) { keys(d, typed); };
            outcome = answered(Fonctions_fenetres_divreses::type_message("q", "Un", "Deux", "", 1, 1));
        } else {
            QDialog *window = &question();
            if (dialog == "alert") {
                question().show();
            } else {
                pref_interm::instance().showCurrentSettings();
                window = &pref_interm::instance();
                pref_interm::instance().chaine_interm->setFocus();
                pref_interm::instance().chaine_interm->selectAll();
            }
            keys(*window, "Course " + typed);
            outcome = (dialog == "alert" ? Variables_globales.pref_texte_timer : w().preftexteligne->text()) +
                      (window->isVisible() ? " shown" : " hidden");
        }
        QTEST(outcome, "outcome");
    }

    // The end of a countdown, with the message the user gave at its start when asked for one.
    void expiry_data()
    {
        QTest::addColumn<QString>("typed"); // none when not asked; Annuler when empty
        QTest::addColumn<QString>("shown");
        QTest::newRow("not asked") << QString() << "Thé prêt";
        QTest::newRow("answered") << "Fini"
                                  << "Fini";
        QTest::newRow("Annuler") << ""
                                 << "Thé prêt";
    }
    void expiry()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Variables_globales.pref_texte_timer = QStringLiteral("Thé prêt");
        Variables_globales.demande_message_ou_pas = !typed.isNull();
        timerMode();
        press("bt_depart");
        QCOMPARE(Demande_message_timer::exists() && question().isVisible(), !typed.isNull()); // asked when wanted
        if (!typed.isNull()) {
            question().activateWindow();
            QTRY_VERIFY(question().isActiveWindow());
            QCOMPARE(question().EditField1->selectedText(), QStringLiteral("Thé prêt"));
            typeInto(QApplication::focusWidget(), typed.isEmpty() ? "Autre" : typed); // replaces the message
            typed.isEmpty() ? QTest::mouseClick(question().PushButton2, Qt::LeftButton)
                            : QTest::keyClick(question().EditField1, Qt::Key_Return);
            QVERIFY(!question().isVisible());
        }
        program.tick(299.5);
        QCOMPARE(program.display() + QString::number(program.platform.beeps), "0:00:00:000");
        program.tick(0.01);
        // The default button and the heading stay as the run left them.
        QCOMPARE(
            QStringList({program.display(), QString::number(program.platform.beeps),
                         program.platform.notifications.join(' '), program.controls(),
                         QString::number(w().LittleArrows1->isEnabled()), w().defaultButton()->objectName(),
                         w().GroupBox2->title(), program.row(1)[0], QString::number(program.rowCount()),
                         QString::number(alert().isVisible() && !question().isVisible()), alert().StaticText1->text()}),
            QStringList({"0:00:00:00", "3", "Vel Timing\n" + shown, kIdle, "1", "intermediaire",
                         "Etiquette pour le temps intermédiaire  1", "Timer 2, temps écoulé à  14:07:11", "4", "1",
                         shown}));
        program.click(w().reset);
        QVERIFY(!alert().isVisible());
        question().show(); // shown again, it offers what it last held, selected
        QCOMPARE(question().EditField1->selectedText(), typed.isNull() || !typed.isEmpty() ? shown : "Autre");
        question().close(); // by its close box: the next countdown asks afresh
        QTRY_VERIFY(!Demande_message_timer::exists());
    }

    // The alert shows its message whole, growing from its laid-out size as the message needs, within the screen.
    void alertShowsItsWholeMessage_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<QSize>("size");
        const QString long219 = QString("Le minuteur est terminé, sortez les pâtes. ").repeated(5).left(219);
        QTest::newRow("short") << "Thé prêt" << QSize(1440, 900) << QSize(384, 111);
        QTest::newRow("219 characters") << long219 << QSize(1440, 900) << QSize(0, 0);
        QTest::newRow("a small screen") << long219 << QSize(384, 120) << QSize(384, 120);
    }
    void alertShowsItsWholeMessage()
    {
        QFETCH(QString, message);
        QFETCH(QSize, room);
        QFETCH(QSize, size);
        alert().showMessage(message, room);
        const QLabel *text = alert().StaticText1;
        QCOMPARE(text->text(), message);
        QVERIFY(alert().width() <= room.width() && alert().height() <= room.height());
        QVERIFY(alert().rect().contains(alert().PushButton1->geometry()) &&
                alert().PushButton1->geometry().top() > text->geometry().bottom());
        if (size.isEmpty()) // grown: every line shows
            QVERIFY(alert().height() > 111 && text->heightForWidth(text->width()) <= text->height());
        else
            QCOMPARE(alert().size(), size);
    }

    // A row with a label alone, a pause's, shows it across its empty cells: its time of day is seen whole.
    void labelAloneShowsWhole()
    {
        press("bt_depart bt_pause");
        w().show();
        list()->setCurrentIndex({});
        list()->clearSelection();
        const QImage shot = list()->viewport()->grab().toImage();
        const QModelIndex pause = laps().index(program.rowCount() - 1, 0);
        QCOMPARE(pause.data().toString(), "Chronomètre mis en pause à 14:02:13");
        const QRect empty =
            list()->visualRect(pause.siblingAtColumn(1)).united(list()->visualRect(pause.siblingAtColumn(2)));
        const QRgb ground = shot.pixel(empty.left(), shot.height() - 2); // below the rows
        int ink = 0;
        for (int x = empty.left(); x <= empty.right(); ++x)
            for (int y = empty.top(); y <= empty.bottom(); ++y)
                ink += shot.pixel(x, y) != ground;
        QVERIFY2(ink > 20, qPrintable(QString::number(ink)));
    }

    // A maximized window's room goes to the list.
    void maximized()
    {
        const QSize before = list()->size();
        w().setContentFrame(20, 50, 357 + 600, 520 + 1000);
        QCOMPARE(list()->size(), before + QSize(1000, 600));
    }

    // From a preset of 3593000 s, a click up or down with the keys held (c: Ctrl, o: Alt, s: Shift) that choose
    // the step, or a key on the arrows once Tab has reached them; a step past a limit beeps and says so.
    // tests/main_window/arrows.txt keeps the current and remembered presets, the display, the beeps and the messages.
    void arrows()
    {
        KeptLines::check(QFINDTESTDATA("arrows.txt"), [&](const QString &input, QStringList &made) {
            program.start();
            timerMode();
            Variables_globales.run.restore(RunMode::Timer, 3593000);
            w().showRun();
            const Qt::KeyboardModifiers keys = (input.contains(" c") ? Qt::ControlModifier : Qt::NoModifier) |
                                               (input.contains(" o") ? Qt::AltModifier : Qt::NoModifier) |
                                               (input.contains(" s") ? Qt::ShiftModifier : Qt::NoModifier);
            LittleArrows *arrows = w().LittleArrows1;
            if (input.startsWith("key ")) {
                w().activateWindow();
                w().RadioButton2->setFocus();
                QTRY_VERIFY(w().RadioButton2->hasFocus());
                while (!arrows->hasFocus() && program.platform.beeps < 10) // Tab goes round to them
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab), ++program.platform.beeps;
                program.platform.beeps = 0;
                QTest::keyClick(arrows, QKeySequence(input.section(' ', 1, 1))[0].key(), keys);
            } else {
                program.platform.modifiers = keys;
                QTest::mouseClick(input.startsWith("up") ? arrows->upButton() : arrows->downButton(), Qt::LeftButton);
            }
            made << QStringList({w().StaticText1->text(), w().Preference_vel_Timer->text(), program.display(),
                                 QString::number(program.platform.beeps), program.platform.messages.join(' ')})
                        .join(' ');
            QVERIFY(!arrows->hasFocus() || input.startsWith("key ")); // a click leaves the keyboard where it was
        });
    }

    // Ticks and the clock aim at the next change they show, not at a fixed step.
    void ticksAreAimedAtTheNextChange()
    {
        QVERIFY(w().heure->isSingleShot() && w().heure->isActive() && w().heure->interval() == 1001);
        program.platform.advance(5.25);
        w().heure_Action();
        QVERIFY(w().StaticText4->text() == "14:02:16" && w().heure->isActive() && w().heure->interval() == 751);
        press("bt_depart");
        QCOMPARE(w().Timer3->interval(), 10);
        program.tick(0.0105);
        QVERIFY(w().Timer3->isSingleShot() && w().Timer3->isActive() && w().Timer3->interval() == 991);
        press("bt_pause bt_pause"); // a resume comes 10 ms later too
        QCOMPARE(w().Timer3->interval(), 10);
    }

    // The date wakes the program at midnight only, and shows the new day.
    void dateChangesAtMidnight()
    {
        QVERIFY(w().regarde_date->isSingleShot() && w().regarde_date->isActive());
        QCOMPARE(w().regarde_date->interval(), (((24 - 14) * 60 - 2) * 60 - 11) * 1000 + 1); // from 14:02:11
        program.platform.advance(w().regarde_date->interval() / 1000.0);
        w().regarde_date_Action();
        QCOMPARE(w().StaticText3->text() + ' ' + QString::number(w().regarde_date->interval()),
                 "lundi 7 décembre 2026 86400000");
    }

    void clearing_data()
    {
        QTest::addColumn<int>("button");          // after two runs: 1 "Effacer la liste", 2 "Annuler", 3 Escape
        QTest::addColumn<QStringList>("outcome"); // question, messages, rows left, the next run's first row
        // clang-format off
        QTest::newRow("empty list") << 0 << QStringList{"", "La liste est déjà vide!", "0", "Chronomètre 1, départ à: 14:02:11"};
        QTest::newRow("Effacer la liste") << 1 << QStringList{"Vraiment effacer la liste?", "", "0", "Chronomètre 1, départ à: 14:02:11"};
        QTest::newRow("Annuler") << 2 << QStringList{"Vraiment effacer la liste?", "", "8", "Chronomètre 3, départ à: 14:02:11"};
        QTest::newRow("Escape") << 3 << QStringList{"Vraiment effacer la liste?", "", "8", "Chronomètre 3, départ à: 14:02:11"};
        // clang-format on
    }
    void clearing()
    {
        QFETCH(int, button);
        for (int i = 0; i < (button ? 4 : 0); ++i)
            program.click(w().bt_depart);
        if (button)
            program.answer(button % 3);
        program.click(w().efface_liste);
        const int rowsLeft = program.rowCount();
        program.click(w().bt_depart);
        QTEST(QStringList({program.asked.join(u' '), program.platform.messages.join(u' '), QString::number(rowsLeft),
                           program.lastRow()[0]}),
              "outcome");
        if (button)
            QCOMPARE(dialogButtons<fenetre_message>(), "Effacer la liste|Annuler*|3");
    }

    void removeSelectedRow()
    {
        laps().append({{"a", {}, {}}, {"b", {}, {}}, {"c", {}, {}}, {"d", {}, {}}});
        for (const int row : {0, 2, -1}) { // the first, the last, none
            list()->selectRow(row);
            QVERIFY(!w().meneditionitemeffacerlaligne_Action());
        }
        QCOMPARE(laps().rows(), LapRows({{"b", "", ""}, {"c", "", ""}}));
        QCOMPARE(program.platform.messages, QStringList{"Aucune ligne sélectionnée!"});
    }

    // Annuler takes back the user's changes to the list, Rétablir makes them again, from the menu or by Ctrl+Z and
    // Ctrl+Y, also once a run has added rows after them; a list replaced whole forgets them.
    void undoAndRedo_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("outcome"); // the labels, then Annuler and Rétablir enabled
        QTest::newRow("remove, undo") << "remove:1 undo"
                                      << "a b c d|01";
        QTest::newRow("remove, undo, redo") << "remove:1 undo redo"
                                            << "a c d|10";
        QTest::newRow("clear, undo: runs numbered on") << "clear undo start"
                                                       << "a b c d Chronomètre 3, départ à: 14:02:11|01";
        QTest::newRow("clear, a run, undo") << "clear start undo"
                                            << "a b c d Chronomètre 1, départ à: 14:02:11|01";
        QTest::newRow("edit, undo") << "edit:2 undo"
                                    << "a b c d|01";
        QTest::newRow("edit, undo, redo") << "edit:2 undo redo"
                                          << "a b X d|10";
        QTest::newRow("a lap after the change")
            << "start remove:1 lap undo"
            << "a b c d Chronomètre 3, départ à: 14:02:11 Temps intermédiaire  1:|01";
        QTest::newRow("Ctrl+Z and Ctrl+Y, the comment empty") << "remove:1 key key key+"
                                                              << "a c d|10";
        QTest::newRow("Ctrl+Z takes back the comment's typing first") << "remove:1 type key"
                                                                      << "a c d|10";
        QTest::newRow("a list replaced forgets them") << "remove:1 replace"
                                                      << "e|00";
    }
    void undoAndRedo()
    {
        QFETCH(QString, steps);
        laps().append({{"a", {}, {}}, {"b", {}, {}}, {"c", {}, {}}, {"d", {}, {}}});
        Variables_globales.run.renumberRuns(3);
        w().activateWindow();
        w().Commentaire->setFocus();
        QTRY_VERIFY(w().Commentaire->hasFocus());
        for (const QString &step : steps.split(' ')) {
            const int row = step.section(':', 1).toInt();
            if (step.startsWith("remove")) {
                list()->selectRow(row);
                w().meneditionitemeffacerlaligne_Action();
            } else if (step == "clear") {
                program.answer(1);
                w().EditClear_Action();
            } else if (step.startsWith("edit")) {
                laps().setEditable(true);
                laps().setData(laps().index(row, 0), "X");
            } else if (step == "undo" || step == "redo") {
                Menu::instance().findChild<QAction *>(step == "undo" ? "EditUndo" : "EditRedo")->trigger();
            } else if (step.startsWith("key")) {
                QTest::keySequence(w().Commentaire, step.endsWith('+') ? QKeySequence::Redo : QKeySequence::Undo);
            } else if (step == "type") {
                typeInto(w().Commentaire, "Vi");
            } else if (step == "replace") {
                laps().replace({{"e", {}, {}}});
            } else {
                program.click(step == "start" ? w().bt_depart : w().intermediaire);
                w().Commentaire->setFocus();
            }
        }
        QStringList labels;
        for (int row = 0; row < program.rowCount(); ++row)
            labels << program.row(row)[0];
        const auto on = [](const char *name) { return Menu::instance().findChild<QAction *>(name)->isEnabled(); };
        QTEST(labels.join(' ') + QString::asprintf("|%d%d", on("EditUndo"), on("EditRedo")), "outcome");
        QCOMPARE(w().Commentaire->text(), QString()); // typing taken back
    }

    // Rows as a spreadsheet or a word processor pastes them: text with tabs, and an HTML table.
    void copyRows()
    {
        laps().append({{"a", "1", ""}, {"Pâtes & <sauce>", "2", "+  1"}});
        w().activateWindow();
        list()->setFocus();
        QTRY_VERIFY(list()->hasFocus());
        for (const int selected : {1, -1}) { // one row with Ctrl+C; all of them from the menu when none is selected
            list()->selectRow(selected);
            selected < 0 ? Menu::instance().EditCopy->trigger() : QTest::keySequence(list(), QKeySequence::Copy);
            const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
            QCOMPARE(copied->text(), QString(selected < 0 ? "a\t1\t\n" : "") + "Pâtes & <sauce>\t2\t+  1\n");
            QCOMPARE(copied->html().section("<tr>", 1),
                     QString(selected < 0 ? "<td>a</td><td>1</td><td></td></tr><tr>" : "") +
                         "<td>Pâtes &amp; &lt;sauce&gt;</td><td>2</td><td>+  1</td></tr></table>");
        }
    }

    void oneEditPerDoubleClick()
    {
        laps().append({{"ligne", "0:00:00:00", ""}});
        const QPoint cell = list()->visualRect(list()->model()->index(0, 1)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        QVERIFY(editable(0) && editable(2));
        auto *editor = list()->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        editor->insert("0:00:\t01");          // as a paste would
        QTest::keyClick(editor, Qt::Key_Tab); // commits, and opens no other cell
        QTRY_COMPARE(program.row(0), QStringList({"ligne", "0:00: 01", ""}));
        QVERIFY(!editable(0) && !editable(2));
        for (const QLineEdit *next : list()->viewport()->findChildren<QLineEdit *>())
            QVERIFY(!next->isVisible());
    }
};

VEL_TEST_MAIN(TestWindow1)
#include "test_window1.moc"
