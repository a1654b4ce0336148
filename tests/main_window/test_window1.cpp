// The main window's handlers wired to the run and to the controls, and the lap list's editing.
#include "core/variables_globales.h"
#include "dialogs/fenetre_message.h"
#include "main_window/alerte_vel.h"
#include "main_window/demande_message_timer.h"
#include "main_window/window1.h"
#include "program_fixture.h"
#include "shell/menu.h"
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

namespace {
QString lapHeading(int n)
{
    return QStringLiteral("Etiquette pour le temps intermédiaire  ") + QString::number(n);
}
} // namespace

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
    void setPreset(qint64 seconds)
    {
        Variables_globales.run.restore(RunMode::Timer, seconds);
        w().showRun();
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

    void buttons_data()
    {
        QTest::addColumn<QString>("clicks");
        // Controls, arrows, default button, heading's end, display, last row; whether the alert of an earlier
        // countdown and its notification, shown before the last click, stay: Départ, Stop, Initialiser and a
        // mode dismiss them.
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("start-up") << "" << kIdle + " hidden:on bt_depart départ 0:00:00:00  alert";
        QTest::newRow("start") << "bt_depart" << kRunning + " hidden:on intermediaire 1 0:00:00:00 Chronomètre 1, départ à: 14:02:12 -";
        QTest::newRow("lap") << "bt_depart intermediaire intermediaire" << kRunning + " hidden:on intermediaire 3 0:00:00:00 Temps intermédiaire  2: alert";
        QTest::newRow("pause") << "bt_depart bt_pause" << kPaused + " hidden:on intermediaire 1 0:00:01:00 Chronomètre mis en pause à 14:02:13 alert";
        QTest::newRow("resume") << "bt_depart bt_pause bt_pause" << kRunning + " hidden:on intermediaire 1 0:00:01:00 Chronomètre remis en marche à 14:02:14 alert";
        QTest::newRow("stop") << "bt_depart bt_depart" << kIdle + " hidden:on reset départ 0:00:01:00  -";
        QTest::newRow("reset") << "bt_depart reset" << kIdle + " hidden:on bt_depart départ 0:00:00:00  -";
        QTest::newRow("Timer mode") << "timer" << kIdle + " shown:on bt_depart départ 0:05:00:00  -";
        QTest::newRow("countdown") << "timer bt_depart" << kRunning + " shown:off intermediaire 1 0:05:00:00 Temps de départ 1: -";
        QTest::newRow("countdown paused") << "timer bt_depart bt_pause" << kPaused + " shown:off intermediaire 1 0:04:59:00 Timer mis en pause à 14:02:13 alert";
        QTest::newRow("countdown stopped") << "timer bt_depart bt_depart" << kIdle + " shown:on reset départ 0:04:59:00  -";
        QTest::newRow("countdown reset") << "timer bt_depart reset" << kIdle + " shown:on bt_depart départ 0:05:00:00  -";
        QTest::newRow("back to Chronomètre") << "timer chrono" << kIdle + " hidden:on bt_depart départ 0:00:00:00  -";
        // clang-format on
    }
    void buttons()
    {
        QFETCH(QString, clicks);
        press(clicks.section(' ', 0, -2));
        alert().show();
        program.platform.shownNotification = QStringLiteral("Vel Timing\nFini");
        press(clicks.section(' ', -1));
        const LittleArrows *arrows = w().LittleArrows1;
        QTEST(QStringList({program.controls(),
                           QString(arrows->isVisible() ? "shown:" : "hidden:") + (arrows->isEnabled() ? "on" : "off"),
                           w().defaultButton()->objectName(), w().GroupBox2->title().section(' ', -1),
                           program.display(), program.rowCount() ? program.lastRow()[0] : "",
                           alert().isVisible() && program.platform.shownNotification ? "alert" : "-"})
                  .join(' '),
              "shown");
        QCOMPARE(w().ListBox1->selectedRow(), program.rowCount() - 1);
        const auto aligned = [this](int column) {
            return w().laps().index(0, column).data(Qt::TextAlignmentRole).toInt();
        };
        QVERIFY(!program.rowCount() || (aligned(0) & Qt::AlignLeft && aligned(1) & aligned(2) & Qt::AlignRight));
        QVERIFY(program.platform.notifications.isEmpty());           // a run that stops posts nothing
        if (!clicks.endsWith("timer") && !clicks.endsWith("chrono")) // a blank typed next goes to the comment
            QCOMPARE(w().focusWidget(), w().Commentaire);
    }

    void returnPressesTheDefaultButton()
    {
        QTest::keyClick(w().Commentaire, Qt::Key_F5); // other keys the field leaves press nothing
        QCOMPARE(program.controls(), kIdle);
        QTest::keyClick(w().Commentaire, Qt::Key_Return);
        QCOMPARE(program.controls(), kRunning);
        program.typeComment(QStringLiteral("Virage"));
        QTest::keyClick(w().Commentaire, Qt::Key_Enter);
        QCOMPARE(program.lastRow()[0], QStringLiteral("1: Virage"));
        QVERIFY(w().Commentaire->text().isEmpty());
    }

    // A lap's time is its press's, the key's or the mouse's, not its handling's.
    void pressTimes_data()
    {
        QTest::addColumn<bool>("mouse");
        QTest::addColumn<int>("age"); // ms from the press's stamp to its handling, 10 s into the run
        QTest::addColumn<QString>("lap");
        QTest::newRow("key") << false << 500 << "0:00:09:50";
        QTest::newRow("mouse, released later") << true << 200 << "0:00:09:80";
        QTest::newRow("stale") << false << 6000 << "0:00:10:00";
        QTest::newRow("from the future") << true << -50 << "0:00:10:00";
    }
    void pressTimes()
    {
        QFETCH(bool, mouse);
        QFETCH(int, age);
        press("bt_depart");
        program.platform.advance(10);
        const QPointF at = w().intermediaire->rect().center();
        QMouseEvent down(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent up(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, {});
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QInputEvent &pressed = mouse ? static_cast<QInputEvent &>(down) : key;
        pressed.setTimestamp(program.platform.monotonicMilliseconds() - age);
        QApplication::sendEvent(mouse ? static_cast<QWidget *>(w().intermediaire) : &w(), &pressed);
        program.platform.advance(0.3);
        if (mouse)
            QApplication::sendEvent(w().intermediaire, &up);
        QTEST(program.lastRow()[1], "lap");
    }

    void expiry()
    {
        Variables_globales.pref_texte_timer = QStringLiteral("Thé prêt");
        timerMode();
        press("bt_depart");
        program.tick(299.5);
        QCOMPARE(program.display() + QString::number(program.platform.beeps), "0:00:00:000");
        program.tick(0.01);
        // The default button and the heading stay as the run left them.
        QCOMPARE(QStringList({program.display(), QString::number(program.platform.beeps),
                              program.platform.notifications.join(' '), program.controls(),
                              QString::number(w().LittleArrows1->isEnabled()), w().defaultButton()->objectName(),
                              w().GroupBox2->title(), program.row(1)[0], QString::number(program.rowCount()),
                              QString::number(alert().isVisible()), alert().StaticText1->text()}),
                 QStringList({"0:00:00:00", "3", "Vel Timing\nThé prêt", kIdle, "1", "intermediaire", lapHeading(1),
                              "Timer 2, temps écoulé à  14:07:11", "4", "1", "Thé prêt"}));
    }

    void alertMessageQuestion_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("shown");
        QTest::newRow("answered") << "Thé prêt" << true << "Thé prêt";
        QTest::newRow("cancelled") << "Autre" << false << "Temps écoulé!";
    }
    void alertMessageQuestion()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accept);
        Variables_globales.demande_message_ou_pas = true;
        timerMode();
        press("bt_depart");
        QVERIFY(question().isVisible());
        question().activateWindow();
        QTRY_VERIFY(question().isActiveWindow());
        QCOMPARE(question().EditField1->selectedText(), QStringLiteral("Temps écoulé!"));
        typeInto(QApplication::focusWidget(), typed); // replaces the message
        if (accept)
            QTest::keyClick(question().EditField1, Qt::Key_Return);
        else
            QTest::mouseClick(question().PushButton2, Qt::LeftButton);
        program.tick(300);
        QVERIFY(!question().isVisible());
        QTEST(alert().StaticText1->text(), "shown");
        program.click(w().reset);
        QVERIFY(!alert().isVisible());
    }

    // The keys held choose the step; a step past a limit beeps and says so.
    void arrows_data()
    {
        QTest::addColumn<int>("keys");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("outcome"); // current preset, remembered preset, display, beeps, messages
        const int none = Qt::NoModifier, cmd = Qt::ControlModifier, opt = Qt::AltModifier;
        // clang-format off
        QTest::newRow("up a second") << none << 1 << "3593001 3593001 998:03:21:00 0 ";
        QTest::newRow("command down a minute") << cmd << -1 << "3592940 3592940 998:02:20:00 0 ";
        QTest::newRow("both keys step a minute") << (cmd | opt) << 1 << "3593060 3593060 998:04:20:00 0 ";
        QTest::newRow("option up past the maximum") << opt << 1 << "3596400 3593000 999:00:00:00 1 Le temps maximum pour le timer est 999 heures!";
        // clang-format on
    }
    void arrows()
    {
        QFETCH(int, keys);
        QFETCH(int, direction);
        timerMode();
        setPreset(3593000);
        program.platform.modifiers = Qt::KeyboardModifiers(keys);
        QTest::mouseClick(direction > 0 ? w().LittleArrows1->upButton() : w().LittleArrows1->downButton(),
                          Qt::LeftButton);
        QTEST(QStringList({w().StaticText1->text(), w().Preference_vel_Timer->text(), program.display(),
                           QString::number(program.platform.beeps), program.platform.messages.join(' ')})
                  .join(' '),
              "outcome");
    }

    // From the smallest to a maximized window, each control keeps to the edges it is anchored to.
    void resizing()
    {
        w().setContentFrame(20, 50, 10, 10);
        QCOMPARE(w().centralWidget()->size(), QSize(420, 357)); // the smallest
        w().setContentFrame(20, 50, Window1::kLayoutHeight, Window1::kLayoutWidth);
        const QList<QWidget *> controls{w().ListBox1,    w().Commentaire, w().bt_depart,
                                        w().StaticText2, w().StaticText4, w().StaticText3};
        QList<QRect> before;
        for (QWidget *control : controls)
            before << control->geometry();
        w().setContentFrame(20, 50, 1000, 1900); // maximized on a large screen
        const int x = 1900 - Window1::kLayoutWidth, y = 1000 - Window1::kLayoutHeight;
        const QList<std::array<int, 4>> moved{{0, 0, x, y}, {0, y, x, y}, {x, y, x, y}, {0, y, 0, y}, {x, 0, x, 0}, {}};
        for (int i = 0; i < controls.size(); ++i)
            QCOMPARE(controls[i]->geometry(), before[i].adjusted(moved[i][0], moved[i][1], moved[i][2], moved[i][3]));
    }

    void ticksAreAimedAtTheNextChange()
    {
        press("bt_depart");
        QCOMPARE(w().Timer3->interval(), 10);
        program.tick(0.0105);
        QVERIFY(w().Timer3->isSingleShot() && w().Timer3->isActive() && w().Timer3->interval() == 991);
        press("bt_pause bt_pause"); // a resume comes 10 ms later too
        QCOMPARE(w().Timer3->interval(), 10);
    }

    void clockLabelFollowsTheWholeSeconds()
    {
        QVERIFY(w().heure->isSingleShot() && w().heure->isActive());
        QCOMPARE(w().heure->interval(), 1001);
        program.platform.advance(5.25);
        w().heure_Action();
        QCOMPARE(w().StaticText4->text(), QStringLiteral("14:02:16"));
        QCOMPARE(w().heure->interval(), 751);
        QVERIFY(w().heure->isActive());
    }

    void clearing_data()
    {
        QTest::addColumn<int>(
            "button"); // after two runs: 1 "Effacer la liste", 2 "Annuler", 3 Escape; negative from the menu
        QTest::addColumn<QStringList>("outcome"); // question, messages, rows left, the next run's first row
        // clang-format off
        QTest::newRow("empty list") << 0 << QStringList{"", "La liste est déjà vide!", "0", "Chronomètre 1, départ à: 14:02:11"};
        QTest::newRow("Effacer la liste") << 1 << QStringList{"Vraiment effacer la liste?", "", "0", "Chronomètre 1, départ à: 14:02:11"};
        QTest::newRow("from the menu") << -1 << QStringList{"Vraiment effacer la liste?", "", "0", "Chronomètre 1, départ à: 14:02:11"};
        QTest::newRow("Annuler") << 2 << QStringList{"Vraiment effacer la liste?", "", "8", "Chronomètre 3, départ à: 14:02:11"};
        QTest::newRow("Escape") << 3 << QStringList{"Vraiment effacer la liste?", "", "8", "Chronomètre 3, départ à: 14:02:11"};
        // clang-format on
    }
    void clearing()
    {
        QFETCH(int, button);
        program.start();
        Window1 &w = program.window();
        for (int i = 0; i < (button ? 4 : 0); ++i)
            program.click(w.bt_depart);
        if (button)
            program.answer(qAbs(button) % 3);
        if (button < 0)
            QVERIFY(!w.EditClear_Action());
        else
            program.click(w.efface_liste);
        const int rowsLeft = program.rowCount();
        program.click(w.bt_depart);
        QTEST(QStringList({program.asked.join(u' '), program.platform.messages.join(u' '), QString::number(rowsLeft),
                           program.lastRow()[0]}),
              "outcome");
        const fenetre_message &m = fenetre_message::instance();
        if (button)
            QCOMPARE(m.PushButton1->text() + '|' + m.PushButton2->text() + (m.PushButton2->isDefault() ? "*" : "") +
                         QString::number(m.icone_fenetre),
                     QStringLiteral("Effacer la liste|Annuler*3"));
    }

    void removeSelectedRow()
    {
        program.start();
        laps().append({{"a", {}, {}}, {"b", {}, {}}, {"c", {}, {}}, {"d", {}, {}}});
        for (const int row : {0, 2, -1}) { // the first, the last, none
            list()->selectRow(row);
            QVERIFY(!program.window().meneditionitemeffacerlaligne_Action());
        }
        QCOMPARE(laps().rows(), LapRows({{"b", "", ""}, {"c", "", ""}}));
        QCOMPARE(program.platform.messages, QStringList{"Aucune ligne sélectionnée!"});
    }

    // Rows as a spreadsheet or a word processor pastes them: text with tabs, and an HTML table.
    void copyRows()
    {
        program.start();
        laps().append({{"a", "1", ""}, {"Pâtes & <sauce>", "2", "+  1"}});
        program.window().activateWindow();
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
        program.start();
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
