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
    // Clicks the named buttons one second apart.
    void press(const QString &names)
    {
        for (const QString &name : names.split(' ', Qt::SkipEmptyParts)) {
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
            QWidget *focused = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
            if (key == "Close") // the close box
                window.close();
            else if (key.size() > 1 && key.at(0).isUpper() && key != "Course")
                QTest::keyClick(focused, combination.key(), combination.keyboardModifiers());
            else
                typeInto(focused, key);
        }
    }

    // Plays a step of tests/timing/window.txt's cases.
    void play(const QString &step)
    {
        auto *question = window<AlertMessageDialog>("Demande_message_timer");
        auto *arrows = program.control<PresetArrows>("LittleArrows1");
        const QString argument = step.section(':', 1);
        const QKeyCombination key = QKeySequence(argument)[0];
        const Qt::KeyboardModifiers held = (argument.contains("Ctrl") ? Qt::ControlModifier : Qt::NoModifier) |
                                           (argument.contains("Alt") ? Qt::AltModifier : Qt::NoModifier) |
                                           (argument.contains("Shift") ? Qt::ShiftModifier : Qt::NoModifier);
        const auto item = [this](const QString &name) { return w().menuBar()->findChild<QAction *>(name); };
        if (step == "timer" || step == "chrono") {
            QTest::mouseClick(program.control(step == "timer" ? "RadioButton2" : "RadioButton1"), Qt::LeftButton);
        } else if (step == "ask" || step.startsWith("preset:")) {
            Preferences p = program.timekeeper().settings().values();
            p.alertMessage = "Thé prêt";
            p.askMessage = step == "ask";
            p.preset = argument.toLongLong() ? argument.toLongLong() : p.preset;
            program.timekeeper().settings().set(p);
            program.timekeeper().restore();
        } else if (step.startsWith("message:")) { // typed over what it offers, selected
            typeInto(question->findChild<QLineEdit *>(), argument == "Annuler" ? "Autre" : argument);
            argument == "Annuler" ? QTest::mouseClick(question->findChild<QPushButton *>("PushButton2"), Qt::LeftButton)
                                  : QTest::keyClick(question->findChild<QLineEdit *>(), Qt::Key_Return);
        } else if (step == "ended") {
            emit program.timekeeper().applied({.countdownEnd = CountdownEnd{0, "Fini"}});
        } else if (step.startsWith("tick:")) {
            program.tick(argument.toDouble());
        } else if (step.startsWith("answer:")) {
            program.answer(argument.toInt());
        } else if (step == "close") { // goes as the event loop would take it, before the next step
            question->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else if (step.startsWith("up") || step.startsWith("down")) { // with the keys held
            program.platform.modifiers = held;
            QTest::mouseClick(step.startsWith("up") ? arrows->upButton() : arrows->downButton(), Qt::LeftButton);
            program.platform.modifiers = {};
        } else if (step.startsWith("key:")) { // on the arrows, once Tab has gone round to them
            program.control("RadioButton2")->setFocus();
            for (int tabs = 0; !arrows->hasFocus() && tabs < 10; ++tabs)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(arrows, key.key(), key.keyboardModifiers());
        } else if (step.startsWith("rows:")) { // numbered runs to follow
            for (const QString &label : argument.split(','))
                laps().append({{label, {}, {}}});
            program.timekeeper().renumberRuns(3);
        } else if (step.startsWith("select:")) {
            list()->selectRow(argument.toInt());
        } else if (step.startsWith("edit:")) {
            laps().setEditable(true);
            laps().setData(laps().index(argument.toInt(), 0), "X");
        } else if (step.startsWith("type:")) { // in the comment
            typeInto(comment(), argument);
        } else if (step == "Return" || step == "Tab" || step.startsWith("ctrl+")) {
            QTest::keySequence(QApplication::focusWidget(), step);
        } else if (step.startsWith("focus:")) {
            argument == "none" ? QApplication::focusWidget()->clearFocus() : program.control(argument)->setFocus();
        } else if (step.startsWith("from:")) { // selects in the comment: from:start,length
            comment()->setSelection(argument.section(',', 0, 0).toInt(), argument.section(',', 1).toInt());
        } else if (step == "replace") {
            program.timekeeper().replaceList({{"e", {}, {}}}, {});
        } else if (item(step)) {
            item(step)->trigger();
        } else {
            press(step);
        }
    }

private slots:
    void init() { program.start(); }

    // Each case plays steps a second apart: a button or a menu item by its name, timer or chrono (a mode), ask (the
    // alert's message asked for, "Thé prêt" offered), message:<text> or message:Annuler (its answer), ended (an
    // earlier countdown's end, its alert and notification up), tick:<seconds>, answer:<button> (for the next
    // question), close (the message question by its close box), preset:<seconds>, up or down with keys held
    // (up:Ctrl+Alt) or key:<key> on the arrows, rows:<labels> (then runs numbered from 3), select:<row>, edit:<row>,
    // type:<text> in the comment, from:<start>,<length> (selected in it), focus:<control> or focus:none, Return, Tab or
    // ctrl+<key> where the keyboard is, replace (the list replaced whole). tests/timing/window.txt keeps the run's
    // controls and what the list, the alert, the question, the desktop and the messages show after the last step; for a
    // list given its rows, Annuler and Rétablir, the comment, and what was copied: rows as a spreadsheet or a word
    // processor pastes them, text with tabs and an HTML table.
    void scenarios()
    {
        KeptLines::check(QFINDTESTDATA("window.txt"), [&](const QString &input, QStringList &made) {
            program.start();
            QGuiApplication::clipboard()->clear();
            w().activateWindow();
            comment()->setFocus();
            QTRY_VERIFY(comment()->hasFocus());
            for (const QString &step : input.split(' ', Qt::SkipEmptyParts))
                play(step);
            if (program.control<QTimer>("Timer3")->isActive()) // as it would come, whenever the real one comes
                program.fire("Timer3");
            QCoreApplication::processEvents(); // a question closed goes
            const QWidget *arrows = program.control("LittleArrows1");
            const auto *alert = window<AlertWindow>("alerte_vel");
            const auto *question = window<AlertMessageDialog>("Demande_message_timer");
            const QLineEdit *message = question ? question->findChild<QLineEdit *>() : nullptr;
            made << KeptLines::filled(
                        "%1 | arrows %2 %3 | Return %4 | heading %5 | display %6 | rows %7, last %8 | selected %9 | "
                        "keys "
                        "to %10",
                        program.controls(), arrows->isVisible() ? "shown" : "hidden",
                        arrows->isEnabled() ? "on" : "off", returnButton(),
                        program.control<QGroupBox>("GroupBox2")->title().section(' ', -1), program.display(),
                        program.rowCount(), program.rowCount() ? program.row(program.rowCount() - 1)[0] : "-",
                        list()->selectedRow(), w().focusWidget() ? w().focusWidget()->objectName() : "none")
                 << KeptLines::filled(
                        "alert %1 | beeps %2 | notified [%3] | question %4 | asked: %5 | told: %6 | preset %7, kept %8",
                        alert && alert->isVisible() ? "up [" + alert->findChild<QLabel *>()->text() + ']' : "down",
                        program.platform.beeps, program.platform.shown.value(Platform::Notice::CountdownEnd),
                        !question                ? "gone"
                        : !question->isVisible() ? "hidden [" + message->text() + ']'
                                                 : "shown [" + message->text() + "] [" + message->selectedText() + ']',
                        (program.asked + program.buttons).join(' '), program.platform.messages.join(' '),
                        program.timekeeper().run().preset(), program.timekeeper().settings().values().preset);
            if (input.startsWith("rows:")) {
                QStringList labels;
                for (int row = 0; row < program.rowCount(); ++row)
                    labels << program.row(row)[0];
                const auto on = [this](const char *name) {
                    return w().menuBar()->findChild<QAction *>(name)->isEnabled() ? "on" : "off";
                };
                const QMimeData none, *copied = QGuiApplication::clipboard()->mimeData();
                copied = copied ? copied : &none;
                made << labels.join(' ') +
                            QString(" | Annuler %1, Rétablir %2 | comment [%3] | copied [%4] [%5]")
                                .arg(on("EditUndo"), on("EditRedo"), comment()->text(), copied->text(), copied->html());
            }
        });
    }

    // Return and Enter press the default button; a lap's or a stop's time is its press's, the key's or the mouse's,
    // not its handling's, and a stop's row agrees with the display. Each case gives the button, pressed by key or
    // mouse 10 s into the run, and the milliseconds from the press's stamp to its handling; tests/timing/presses.txt
    // keeps the row it adds, and the display.
    void pressTimes()
    {
        KeptLines::check(QFINDTESTDATA("presses.txt"), [&](const QString &input, QStringList &made) {
            const QString button = input.section(' ', 0, 0);
            const bool mouse = input.section(' ', 1, 1) == "mouse";
            program.start();
            QTest::keyClick(comment(), Qt::Key_Return);
            program.platform.advance(10);
            typeInto(comment(), QStringLiteral("Virage"));
            auto *pushed = program.control<QPushButton>(button);
            const QPointF at = pushed->rect().center();
            QMouseEvent down(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {});
            QMouseEvent up(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, {});
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
            QInputEvent &pressed = mouse ? static_cast<QInputEvent &>(down) : key;
            pressed.setTimestamp(program.platform.monotonicMilliseconds() - input.section(' ', 2).toInt());
            QApplication::sendEvent(mouse ? static_cast<QWidget *>(pushed) : comment(), &pressed);
            program.platform.advance(1.5); // held
            if (mouse)
                QApplication::sendEvent(pushed, &up);
            const int row = button == "bt_depart" ? 1 : program.rowCount() - 1; // a stop's row before its separator
            made << QStringList(program.row(row)).join(" | ") + " | comment [" + comment()->text() + "] | display " +
                        program.display();
        });
    }

    // In every dialog Return presses the button that has the keyboard, and otherwise the default one; in the
    // comment Return starts a new line and Ctrl+Return confirms; Escape and the close box give the answer that keeps
    // things as they were. Each case gives the dialog and the keys typed after "Course" where the keyboard starts;
    // tests/timing/keys.txt keeps the answer, and whether the dialog stays.
    void dialogKeys()
    {
        KeptLines::check(QFINDTESTDATA("keys.txt"), [&](const QString &input, QStringList &made) {
            const QString dialog = input.section(" | ", 0, 0), typed = input.section(" | ", 1);
            QString outcome = "none";
            program.platform.dialogScripts.enqueue([&](QDialog &d) { keys(d, "Course " + typed); });
            if (dialog == "comment") {
                outcome = CommentDialog::ask(program.platform, nullptr, {}).value_or("none");
            } else if (dialog == "question") { // Un the default
                program.platform.dialogScripts.head() = [&](QDialog &d) {
                    keys(d, typed);
                    outcome = d.isVisible() ? ", stays" : ", closed"; // or the program would wait for it for ever
                };
                outcome.prepend(
                    QString::number(int(QuestionDialog::ask(program.platform, nullptr, {"q", "Un", "Deux", {}, 1}))));
            } else {
                AlertMessageDialog alert("Thé prêt", nullptr);
                PreferencesWindow preferences(Preferences(), {}, nullptr);
                connect(&alert, &AlertMessageDialog::chosen, this, [&](const QString &text) { outcome = text; });
                connect(&preferences, &PreferencesWindow::chosen, this,
                        [&](const PreferencesWindow::Choice &choice) { outcome = choice.lapLabel; });
                QDialog &shown = dialog == "alert message" ? static_cast<QDialog &>(alert) : preferences;
                if (&shown == &preferences)
                    preferences.showSettings(Preferences(), {});
                shown.show();
                shown.findChild<QLineEdit *>()->selectAll();
                keys(shown, "Course " + typed);
                outcome += shown.isVisible() ? ", stays" : ", closed";
            }
            made << outcome;
        });
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

    // Ticks, the clock and the date aim at the next change they show, not at a fixed step; the date wakes the
    // program at midnight only, and shows the new day.
    void timersAimAtTheNextChange()
    {
        const auto timer = [this](const char *name) { return program.control<QTimer>(name); };
        QCOMPARE(timer("regarde_date")->interval(), (((24 - 14) * 60 - 2) * 60 - 11) * 1000 + 1); // from 14:02:11
        program.platform.advance(timer("regarde_date")->interval() / 1000.0);
        program.fire("regarde_date");
        QCOMPARE(program.control<QLabel>("StaticText3")->text() + ' ' +
                     QString::number(timer("regarde_date")->interval()),
                 "lundi 7 décembre 2026 86400000");
        program.start();
        QVERIFY(timer("heure")->isSingleShot() && timer("heure")->isActive() && timer("heure")->interval() == 1001);
        program.platform.advance(5.25);
        program.fire("heure");
        QVERIFY(program.control<QLabel>("StaticText4")->text() == "14:02:16" && timer("heure")->interval() == 751);
        press("bt_depart");
        QCOMPARE(timer("Timer3")->interval(), 10);
        program.tick(0.0105);
        QVERIFY(timer("Timer3")->isSingleShot() && timer("Timer3")->isActive() && timer("Timer3")->interval() == 991);
        press("bt_pause bt_pause"); // a resume comes 10 ms later too
        QCOMPARE(timer("Timer3")->interval(), 10);
    }

    // A double-click opens one cell; Escape or Tab ends its edit, changed or not, and nothing opens another.
    // What only a look shows: a pause's row draws its label, a new warning replaces the one shown, and the window
    // is never smaller than its minimum.
    void drawnAsSeen()
    {
        laps().append({{"Chronomètre mis en pause à 14:02:13", {}, {}}});
        const QImage drawn = list()->viewport()->grab().toImage();
        const QRect cell = list()->visualRect(laps().index(0, 0));
        QSet<QRgb> colours;
        for (int x = cell.left(); x <= cell.right(); ++x)
            colours << drawn.pixel(x, cell.center().y());
        QVERIFY(colours.size() > 1);
        w().showCopyProblem("Disque plein");
        w().showCopyProblem("Dossier introuvable");
        QCOMPARE(program.control<QLabel>("avertissement_copie")->text(), "Dossier introuvable");
        w().resize(10, 10);
        QVERIFY(w().width() >= MainWindow::kMinimumSize.width() && w().height() >= MainWindow::kMinimumSize.height());
    }

    // A countdown's progress goes to the taskbar entry as its display changes, holds through a pause, and is withdrawn
    // at its end.
    void countdownProgress()
    {
        for (const QString &step :
             QString("timer preset:10 bt_depart tick:1 tick:1.5 bt_pause bt_pause tick:9").split(' '))
            play(step);
        QCOMPARE(program.platform.progress, QList<double>({0, 0.1, 0.25, 0.35, -1})); // paused at 3.5 s of 10
    }

    void oneEditPerDoubleClick()
    {
        laps().append({{"ligne", "0:00:00:00", "+"}});
        const auto editable = [this](int column) { return laps().flags(laps().index(0, column)) & Qt::ItemIsEditable; };
        const QPoint cell = list()->visualRect(list()->model()->index(0, 1)).center();
        for (const QString ending : {"Escape", "Tab", "paste"}) {
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
            QTest::mouseDClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
            QVERIFY(editable(0) && editable(2));
            auto *editor = list()->viewport()->findChild<QLineEdit *>();
            QVERIFY(editor && editor->isVisible());
            if (ending == "paste")
                editor->selectAll(), editor->insert("0:00:\t01"); // as a paste would
            QTest::keyClick(editor, ending == "Escape" ? Qt::Key_Escape : Qt::Key_Tab);
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, cell); // on the selected cell
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);         // the closed editor goes
            QVERIFY(list()->viewport()->findChildren<QLineEdit *>().isEmpty() && !editable(0) && !editable(2));
        }
        QCOMPARE(program.row(0), QStringList({"ligne", "0:00: 01", "+"}));
    }
};

VEL_TEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
