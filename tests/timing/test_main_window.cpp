// The main window's controls call the timekeeper's commands and show what comes back; its dialogs and the list.
#include "core/timekeeper.h"
#include "kept_lines.h"
#include "program_fixture.h"
#include "questions/comment_dialog.h"
#include "settings/preferences_window.h"
#include "timing/alert_message_dialog.h"
#include "timing/alert_window.h"
#include "widgets/lap_list_view.h"
#include "widgets/preset_arrows.h"

#include <QtWidgets>

namespace {
// A top-level window of the program, by its object name.
template <class Window = QWidget>
Window *window(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            return qobject_cast<Window *>(widget);
    return nullptr;
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
    ProgramFixture program;

    MainWindow &w() { return program.window(); }
    LapListView *list() { return program.control<LapListView>("ListBox1"); }
    LapList &laps() { return program.timekeeper().model(); }
    QLineEdit *comment() { return program.control<QLineEdit>("Commentaire"); }
    QString returnButton()
    {
        for (const char *name : {"bt_depart", "intermediaire", "reset"})
            if (program.control<QPushButton>(name)->isDefault())
                return name;
        return "none";
    }
    void setSettings(const std::function<void(Preferences &)> &change)
    {
        Preferences values = program.timekeeper().settings().values();
        change(values);
        program.timekeeper().settings().set(values);
    }
    // Clicks the named buttons one second apart; "timer" and "chrono" pick a mode.
    void press(const QString &names)
    {
        for (const QString &name : names.split(' ', Qt::SkipEmptyParts)) {
            if (name == "timer" || name == "chrono") {
                QTest::mouseClick(program.control(name == "timer" ? "RadioButton2" : "RadioButton1"), Qt::LeftButton);
                continue;
            }
            program.platform.advance(1);
            program.click(name);
        }
    }
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

private slots:
    void init() { program.start(); }

    // Each case clicks buttons a second apart; tests/timing/buttons.txt keeps what the last shows. The alert of an
    // earlier countdown and its notification are up before the last click: Départ, Stop, Initialiser and a mode
    // dismiss them.
    void buttons()
    {
        KeptLines::check(QFINDTESTDATA("buttons.txt"), [&](const QString &input, QStringList &made) {
            program.start();
            press(input.section(' ', 0, -2));
            emit program.timekeeper().applied({.countdownEnd = CountdownEnd{0, "Fini"}});
            program.platform.notifications.clear();
            press(input.section(' ', -1));
            const QWidget *arrows = program.control("LittleArrows1");
            made << QString("%1 | arrows %2 %3 | Return %4 | heading %5 | display %6 | last row %7 | alert %8")
                        .arg(program.controls(), arrows->isVisible() ? "shown" : "hidden",
                             arrows->isEnabled() ? "on" : "off", returnButton(),
                             program.control<QGroupBox>("GroupBox2")->title().section(' ', -1), program.display(),
                             program.rowCount() ? program.lastRow()[0] : "-",
                             window("alerte_vel")->isVisible() &&
                                     program.platform.shown.contains(Platform::Notice::CountdownEnd)
                                 ? "up"
                                 : "dismissed");
            // A run that stops posts nothing; a blank typed next goes to the comment.
            QVERIFY2(list()->selectedRow() == program.rowCount() - 1 && program.platform.notifications.isEmpty() &&
                         (input.endsWith("timer") || input.endsWith("chrono") || w().focusWidget() == comment()),
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
        // clang-format off
        QTest::newRow("key") << "intermediaire" << false << 500 << "1: Virage 0:00:09:50";
        QTest::newRow("mouse, released later") << "intermediaire" << true << 200 << "1: Virage 0:00:09:80";
        QTest::newRow("stale") << "intermediaire" << false << 6000 << "1: Virage 0:00:10:00";
        QTest::newRow("from the future") << "intermediaire" << true << -50 << "1: Virage 0:00:10:00";
        QTest::newRow("stop, held 1.5 s") << "bt_depart" << true << 0 << "1: Virage 0:00:10:00 +  0:00:10:00";
        // clang-format on
    }
    void pressTimes()
    {
        QFETCH(QString, button);
        QFETCH(bool, mouse);
        QFETCH(int, age);
        QTest::keyClick(comment(), Qt::Key_F5); // other keys the field leaves press nothing
        QCOMPARE(program.controls(), kIdle);
        QTest::keyClick(comment(), Qt::Key_Return);
        program.platform.advance(10);
        typeInto(comment(), QStringLiteral("Virage"));
        auto *pushed = program.control<QPushButton>(button);
        const QPointF at = pushed->rect().center();
        QMouseEvent down(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent up(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, {});
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
        QInputEvent &pressed = mouse ? static_cast<QInputEvent &>(down) : key;
        pressed.setTimestamp(program.platform.monotonicMilliseconds() - age);
        QApplication::sendEvent(mouse ? static_cast<QWidget *>(pushed) : comment(), &pressed);
        program.platform.advance(button == "bt_depart" ? 1.5 : 0.3);
        if (mouse)
            QApplication::sendEvent(pushed, &up);
        const int row = button == "bt_depart" ? 1 : program.rowCount() - 1; // a stop's row before its separator
        QTEST(QStringList(program.row(row)).join(' ').trimmed() + comment()->text(), "row");
        if (button == "bt_depart")
            QCOMPARE(program.display(), program.row(row)[1]);
    }

    // In every dialog Return presses the button that has the keyboard, and otherwise the default one; in the
    // comment Return starts a new line and Ctrl+Return confirms; Escape gives the answer that keeps things as they
    // were. Each case gives the dialog and the keys typed after "Course" where the keyboard starts;
    // tests/timing/keys.txt keeps the answer, and whether the dialog stays.
    void dialogKeys()
    {
        KeptLines::check(QFINDTESTDATA("keys.txt"), [&](const QString &input, QStringList &made) {
            const QString dialog = input.section(" | ", 0, 0), typed = input.section(" | ", 1);
            QString outcome = "none";
            program.platform.dialogScripts.enqueue([&](QDialog &d) { keys(d, "Course " + typed); });
            if (dialog == "comment") {
                outcome = CommentDialog::ask(program.platform, nullptr, {}).value_or("none");
            } else if (dialog == "question") {
                program.platform.dialogScripts.head() = [&](QDialog &d) { keys(d, typed); };
                outcome =
                    QString::number(int(QuestionDialog::ask(program.platform, nullptr, {"q", "Un", "Deux", {}, 1})));
            } else {
                std::unique_ptr<QDialog> shown;
                if (dialog == "alert message") {
                    shown = std::make_unique<AlertMessageDialog>("Thé prêt", nullptr);
                    connect(static_cast<AlertMessageDialog *>(shown.get()), &AlertMessageDialog::chosen, this,
                            [&](const QString &text) { outcome = text; });
                } else {
                    auto *preferences = new PreferencesWindow(Preferences(), nullptr);
                    shown.reset(preferences);
                    connect(preferences, &PreferencesWindow::chosen, this,
                            [&](const PreferencesWindow::Choice &choice) { outcome = choice.lapLabel; });
                    preferences->showSettings(Preferences());
                    preferences->findChild<QLineEdit *>("chaine_interm")->selectAll();
                }
                shown->show();
                keys(*shown, "Course " + typed);
                outcome += shown->isVisible() ? ", stays" : ", closed";
            }
            made << outcome;
        });
    }

    // The end of a countdown, with the message the user gave at its start when asked for one: three beeps, the
    // alert and the desktop's notification carry it.
    void expiry_data()
    {
        QTest::addColumn<QString>("typed"); // none when not asked; Annuler when empty
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("not asked") << QString() << "Thé prêt";
        QTest::newRow("answered") << "Fini" << "Fini";
        QTest::newRow("Annuler") << "" << "Thé prêt";
        // clang-format on
    }
    void expiry()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        setSettings([&](Preferences &p) {
            p.alertMessage = "Thé prêt";
            p.askMessage = !typed.isNull();
        });
        press("timer bt_depart");
        auto *question = window<AlertMessageDialog>("Demande_message_timer");
        QCOMPARE(question && question->isVisible(), !typed.isNull()); // asked when wanted
        if (!typed.isNull()) {
            question->activateWindow();
            QTRY_VERIFY(question->isActiveWindow());
            QCOMPARE(question->findChild<QLineEdit *>()->selectedText(), QStringLiteral("Thé prêt"));
            typeInto(QApplication::focusWidget(), typed.isEmpty() ? "Autre" : typed); // replaces the message
            typed.isEmpty() ? QTest::mouseClick(question->findChild<QPushButton *>("PushButton2"), Qt::LeftButton)
                            : QTest::keyClick(question->findChild<QLineEdit *>(), Qt::Key_Return);
            QVERIFY(!question->isVisible());
        }
        program.tick(299.5);
        QCOMPARE(program.display() + QString::number(program.platform.beeps), "0:00:00:000");
        program.tick(0.01);
        auto *alert = window<AlertWindow>("alerte_vel");
        // The default button and the heading stay as the run left them.
        QCOMPARE(QStringList({program.display(), QString::number(program.platform.beeps),
                              program.platform.notifications.join(' '), program.controls(),
                              QString::number(program.control("LittleArrows1")->isEnabled()), returnButton(),
                              program.control<QGroupBox>("GroupBox2")->title(), program.row(1)[0],
                              QString::number(program.rowCount()),
                              QString::number(alert->isVisible() && !(question && question->isVisible())),
                              alert->findChild<QLabel *>()->text()}),
                 QStringList({"0:00:00:00", "3", "Vel Timing\n" + shown, kIdle, "1", "intermediaire",
                              "Etiquette pour le temps intermédiaire  1", "Timer 2, temps écoulé à  14:07:11", "4", "1",
                              shown}));
        program.click("reset");
        QVERIFY(!alert->isVisible());
        if (question) { // shown again, it offers what it last held, selected
            question->show();
            QCOMPARE(question->findChild<QLineEdit *>()->selectedText(), typed.isEmpty() ? "Autre" : shown);
            question->close(); // by its close box: the next countdown asks afresh
            QTRY_VERIFY(!window("Demande_message_timer"));
        }
    }

    // The alert shows its message whole, growing from its laid-out size as the message needs, within the screen.
    void alertShowsItsWholeMessage()
    {
        const QString long219 = QString("Le minuteur est terminé, sortez les pâtes. ").repeated(5).left(219);
        for (const auto &[message, room] : {std::pair(QString("Thé prêt"), QSize(1440, 900)),
                                            {long219, QSize(1440, 900)},
                                            {long219, QSize(384, 120)}}) {
            AlertWindow alert;
            alert.showMessage(message, room);
            const QLabel *text = alert.findChild<QLabel *>();
            auto *ok = alert.findChild<QPushButton *>();
            QVERIFY(text->text() == message && alert.rect().contains(ok->geometry()) &&
                    ok->geometry().top() > text->geometry().bottom());
            QCOMPARE(alert.height() > 111 && alert.height() < room.height(), message == long219 && room.height() > 120);
            QVERIFY(text->heightForWidth(text->width()) <= text->height() || alert.size() == room); // every line shows
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(!alert.isVisible());
        }
    }

    // A maximized window's room goes to the list.
    void maximized()
    {
        const QSize before = list()->size();
        w().setContentFrame(QRect(20, 50, 520 + 1000, 357 + 600));
        QCOMPARE(list()->size(), before + QSize(1000, 600));
    }

    // From a preset of 3593000 s, a click up or down with the keys held (c: Ctrl, o: Alt, s: Shift) that choose
    // the step, or a key on the arrows once Tab has reached them; a step past a limit beeps and says so.
    // tests/timing/arrows.txt keeps the presets, the display, the beeps and the messages.
    void arrows()
    {
        KeptLines::check(QFINDTESTDATA("arrows.txt"), [&](const QString &input, QStringList &made) {
            program.start();
            setSettings([](Preferences &p) {
                p.preset = 3593000;
                p.timerMode = true;
            });
            program.timekeeper().restore();
            const Qt::KeyboardModifiers keys = (input.contains(" c") ? Qt::ControlModifier : Qt::NoModifier) |
                                               (input.contains(" o") ? Qt::AltModifier : Qt::NoModifier) |
                                               (input.contains(" s") ? Qt::ShiftModifier : Qt::NoModifier);
            auto *arrows = program.control<PresetArrows>("LittleArrows1");
            if (input.startsWith("key ")) {
                w().activateWindow();
                program.control("RadioButton2")->setFocus();
                QTRY_VERIFY(program.control("RadioButton2")->hasFocus());
                for (int tabs = 0; !arrows->hasFocus() && tabs < 10; ++tabs) // Tab goes round to them
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClick(arrows, QKeySequence(input.section(' ', 1, 1))[0].key(), keys);
            } else {
                program.platform.modifiers = keys;
                QTest::mouseClick(input.startsWith("up") ? arrows->upButton() : arrows->downButton(), Qt::LeftButton);
            }
            const Run &run = program.timekeeper().run();
            made << QString("preset %1, kept %2 | display %3 | %4 beeps %5")
                        .arg(run.preset())
                        .arg(program.timekeeper().settings().values().preset)
                        .arg(program.display())
                        .arg(program.platform.beeps)
                        .arg(program.platform.messages.join(' '));
            QVERIFY(!arrows->hasFocus() || input.startsWith("key ")); // a click leaves the keyboard where it was
        });
    }

    // Ticks, the clock and the date aim at the next change they show, not at a fixed step; the date wakes the
    // program at midnight only, and shows the new day.
    void timersAimAtTheNextChange()
    {
        auto *clock = program.control<QTimer>("heure"), *tick = program.control<QTimer>("Timer3");
        auto *date = program.control<QTimer>("regarde_date");
        QCOMPARE(date->interval(), (((24 - 14) * 60 - 2) * 60 - 11) * 1000 + 1); // from 14:02:11
        program.platform.advance(date->interval() / 1000.0);
        program.fire("regarde_date");
        QCOMPARE(program.control<QLabel>("StaticText3")->text() + ' ' + QString::number(date->interval()),
                 "lundi 7 décembre 2026 86400000");
        program.start();
        clock = program.control<QTimer>("heure"), tick = program.control<QTimer>("Timer3");
        QVERIFY(clock->isSingleShot() && clock->isActive() && clock->interval() == 1001);
        program.platform.advance(5.25);
        program.fire("heure");
        QVERIFY(program.control<QLabel>("StaticText4")->text() == "14:02:16" && clock->interval() == 751);
        press("bt_depart");
        QCOMPARE(tick->interval(), 10);
        program.tick(0.0105);
        QVERIFY(tick->isSingleShot() && tick->isActive() && tick->interval() == 991);
        press("bt_pause bt_pause"); // a resume comes 10 ms later too
        QCOMPARE(tick->interval(), 10);
    }

    void clearing_data()
    {
        QTest::addColumn<int>("button");          // after two runs: 1 "Effacer la liste", 2 "Annuler", 3 Escape
        QTest::addColumn<QStringList>("outcome"); // question and its buttons, messages, rows left, the next first row
        const QString asked = "Vraiment effacer la liste? Effacer la liste|Annuler*|Attention";
        // clang-format off
        QTest::newRow("empty list") << 0 << QStringList{" ", "La liste est déjà vide!", "0", "Chronomètre 1, départ à: 14:02:11"};
        QTest::newRow("Effacer la liste") << 1 << QStringList{asked, "", "0", "Chronomètre 1, départ à: 14:02:11"};
        QTest::newRow("Annuler") << 2 << QStringList{asked, "", "8", "Chronomètre 3, départ à: 14:02:11"};
        QTest::newRow("Escape") << 3 << QStringList{asked, "", "8", "Chronomètre 3, départ à: 14:02:11"};
        // clang-format on
    }
    void clearing()
    {
        QFETCH(int, button);
        for (int i = 0; i < (button ? 4 : 0); ++i)
            program.click("bt_depart");
        if (button)
            program.answer(button % 3);
        program.click("efface_liste");
        const int rowsLeft = program.rowCount();
        program.click("bt_depart");
        QTEST(QStringList({program.asked.join(u' ') + ' ' + program.buttons.join(u' '),
                           program.platform.messages.join(u' '), QString::number(rowsLeft), program.lastRow()[0]}),
              "outcome");
    }

    // Annuler takes back the user's changes to the list, Rétablir makes them again, from the menu or by Ctrl+Z and
    // Ctrl+Y, also once a run has added rows after them; a list replaced whole forgets them. Each case plays steps
    // on the rows a, b, c, d with runs numbered from 3; tests/timing/edits.txt keeps the rows' labels and whether
    // Annuler and Rétablir are enabled.
    void undoAndRedo()
    {
        KeptLines::check(QFINDTESTDATA("edits.txt"), [&](const QString &steps, QStringList &made) {
            program.start();
            laps().append({{"a", {}, {}}, {"b", {}, {}}, {"c", {}, {}}, {"d", {}, {}}});
            program.timekeeper().renumberRuns(3);
            w().activateWindow();
            comment()->setFocus();
            QTRY_VERIFY(comment()->hasFocus());
            const auto item = [this](const char *name) { return w().menuBar()->findChild<QAction *>(name); };
            for (const QString &step : steps.split(' ')) {
                const int row = step.section(':', 1).toInt();
                if (step.startsWith("remove")) {
                    list()->selectRow(row);
                    item("meneditionitemeffacerlaligne")->trigger();
                } else if (step == "clear") {
                    program.answer(1);
                    item("EditClear")->trigger();
                } else if (step.startsWith("edit")) {
                    laps().setEditable(true);
                    laps().setData(laps().index(row, 0), "X");
                } else if (step == "undo" || step == "redo") {
                    item(step == "undo" ? "EditUndo" : "EditRedo")->trigger();
                } else if (step.startsWith("key")) {
                    QTest::keySequence(comment(), step.endsWith('+') ? QKeySequence::Redo : QKeySequence::Undo);
                } else if (step == "type") {
                    typeInto(comment(), "Vi");
                } else if (step == "replace") {
                    program.timekeeper().replaceList({{"e", {}, {}}}, {});
                } else {
                    program.click(step == "start" ? "bt_depart" : "intermediaire");
                    comment()->setFocus();
                }
            }
            QStringList labels;
            for (int row = 0; row < program.rowCount(); ++row)
                labels << program.row(row)[0];
            made << labels.join(' ') + QString(" | Annuler %1, Rétablir %2")
                                           .arg(item("EditUndo")->isEnabled() ? "on" : "off",
                                                item("EditRedo")->isEnabled() ? "on" : "off");
            QCOMPARE(comment()->text(), QString()); // typing taken back
        });
    }

    // Rows as a spreadsheet or a word processor pastes them: text with tabs, and an HTML table; the Edition menu
    // cuts, copies and pastes in a field too.
    void copyRows()
    {
        laps().append({{"a", "1", ""}, {"Pâtes & <sauce>", "2", "+  1"}});
        w().activateWindow();
        list()->setFocus();
        QTRY_VERIFY(list()->hasFocus());
        for (const int selected : {1, -1}) { // one row with Ctrl+C; all of them from the menu when none is selected
            list()->selectRow(selected);
            selected < 0 ? w().edit(MainWindow::Edit::Copy) : QTest::keySequence(list(), QKeySequence::Copy);
            const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
            QCOMPARE(copied->text(), QString(selected < 0 ? "a\t1\t\n" : "") + "Pâtes & <sauce>\t2\t+  1\n");
            QCOMPARE(copied->html().section("<tr>", 1),
                     QString(selected < 0 ? "<td>a</td><td>1</td><td></td></tr><tr>" : "") +
                         "<td>Pâtes &amp; &lt;sauce&gt;</td><td>2</td><td>+  1</td></tr></table>");
        }
        comment()->setFocus();
        QTRY_VERIFY(comment()->hasFocus());
        comment()->setText("Virage nord");
        QStringList seen;
        const auto edit = [&](MainWindow::Edit edit, int from, int length) {
            comment()->setSelection(from, length);
            w().edit(edit);
            seen << comment()->text() + '|' + QGuiApplication::clipboard()->text();
        };
        edit(MainWindow::Edit::Cut, 0, 6);
        edit(MainWindow::Edit::Paste, 0, 0);
        edit(MainWindow::Edit::Copy, 7, 4);
        comment()->clearFocus();
        edit(MainWindow::Edit::Paste, 0, 6); // nothing focused: nothing happens
        QCOMPARE(seen, QStringList({" nord|Virage", "Virage nord|Virage", "Virage nord|nord", "Virage nord|nord"}));
    }

    void oneEditPerDoubleClick()
    {
        laps().append({{"ligne", "0:00:00:00", ""}});
        const auto editable = [this](int column) { return laps().flags(laps().index(0, column)) & Qt::ItemIsEditable; };
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

VEL_TEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
