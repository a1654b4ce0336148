// The main window's handlers wired to the run engine and to the controls.
#include "core/variables_globales.h"
#include "main_window/alerte_vel.h"
#include "main_window/demande_message_timer.h"
#include "main_window/window1.h"
#include "program_fixture.h"
#include "widgets/list_box.h"
#include "widgets/little_arrows.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace {
const QString kStartHeading = QStringLiteral("Etiquette pour le temps de départ");
QString lapHeading(int n)
{
    return QStringLiteral("Etiquette pour le temps intermédiaire  ") + QString::number(n);
}
} // namespace

class TestWindow1 : public QObject {
    Q_OBJECT
    ProgramFixture program;

    Window1 &w() { return program.window(); }
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
        QTest::addColumn<QString>("controls");
        QTest::addColumn<bool>("arrows");
        QTest::addColumn<QString>("defaultButton");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("lastLabel");
        QTest::addColumn<QString>("display");
        // clang-format off
        QTest::newRow("start-up") << "" << kIdle << true << "bt_depart" << kStartHeading << "" << "0:00:00:00";
        QTest::newRow("start") << "bt_depart" << kRunning << true << "intermediaire" << lapHeading(1) << "Chronomètre 1, départ à: 14:02:12" << "0:00:00:00";
        QTest::newRow("lap") << "bt_depart intermediaire intermediaire" << kRunning << true << "intermediaire" << lapHeading(3) << "Temps intermédiaire  2:" << "0:00:00:00";
        QTest::newRow("pause") << "bt_depart bt_pause" << kPaused << true << "intermediaire" << lapHeading(1) << "Chronomètre mis en pause à 14:02:13" << "0:00:01:00";
        QTest::newRow("resume") << "bt_depart bt_pause bt_pause" << kRunning << true << "intermediaire" << lapHeading(1) << "Chronomètre remis en marche à 14:02:14" << "0:00:01:00";
        QTest::newRow("stop") << "bt_depart bt_depart" << kIdle << true << "reset" << kStartHeading << "" << "0:00:01:00";
        QTest::newRow("reset") << "bt_depart reset" << kIdle << true << "bt_depart" << kStartHeading << "" << "0:00:00:00";
        QTest::newRow("countdown") << "timer bt_depart" << kRunning << false << "intermediaire" << lapHeading(1) << "Temps de départ 1:" << "0:05:00:00";
        QTest::newRow("countdown paused") << "timer bt_depart bt_pause" << kPaused << false << "intermediaire" << lapHeading(1) << "Timer mis en pause à 14:02:13" << "0:04:59:00";
        QTest::newRow("countdown stopped") << "timer bt_depart bt_depart" << kIdle << true << "reset" << kStartHeading << "" << "0:04:59:00";
        QTest::newRow("countdown reset") << "timer bt_depart reset" << kIdle << true << "bt_depart" << kStartHeading << "" << "0:05:00:00";
        // clang-format on
    }
    void buttons()
    {
        QFETCH(QString, clicks);
        press(clicks);
        QTEST(program.controls(), "controls");
        QTEST(w().LittleArrows1->isEnabled(), "arrows");
        QTEST(w().defaultButton()->objectName(), "defaultButton");
        QTEST(w().GroupBox2->title(), "heading");
        QTEST(program.rowCount() ? program.lastRow()[0] : QString(), "lastLabel");
        QTEST(program.display(), "display");
        QCOMPARE(w().ListBox1->selectedRow(), program.rowCount() - 1);
        const auto aligned = [this](int column) {
            return w().laps().index(0, column).data(Qt::TextAlignmentRole).toInt();
        };
        QVERIFY(!program.rowCount() || (aligned(0) & Qt::AlignLeft && aligned(1) & aligned(2) & Qt::AlignRight));
        QCOMPARE(w().focusWidget(), w().Commentaire); // so the next blank typed goes there
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
        QCOMPARE(program.display(), QStringLiteral("0:00:00:00"));
        QCOMPARE(program.platform.beeps, 0);
        program.tick(0.01);
        QCOMPARE(program.platform.beeps, 3);
        QCOMPARE(program.platform.notifications, QStringList{QStringLiteral("Vel Timing\nThé prêt")});
        QCOMPARE(program.controls(), kIdle);
        QVERIFY(w().LittleArrows1->isEnabled());
        // The default button and the heading stay as the run left them.
        QCOMPARE(w().defaultButton(), w().intermediaire);
        QCOMPARE(w().GroupBox2->title(), lapHeading(1));
        QCOMPARE(program.rowCount(), 4);
        QCOMPARE(program.row(1)[0], QStringLiteral("Timer 2, temps écoulé à  14:07:11"));
        QVERIFY(alert().isVisible());
        QCOMPARE(alert().StaticText1->text(), QStringLiteral("Thé prêt"));
    }

    void actionsDismissTheAlert_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("action");
        // clang-format off
        QTest::newRow("start") << "" << "bt_depart";
        QTest::newRow("stop") << "bt_depart" << "bt_depart";
        QTest::newRow("reset") << "" << "reset";
        QTest::newRow("Timer mode") << "" << "timer";
        QTest::newRow("Chronomètre mode") << "timer" << "chrono";
        // clang-format on
    }
    void actionsDismissTheAlert()
    {
        QFETCH(QString, before);
        QFETCH(QString, action);
        press(before);
        alert().show();
        program.platform.shownNotification = QStringLiteral("Vel Timing\nFini");
        press(action);
        QVERIFY(!alert().isVisible());
        QVERIFY(!program.platform.shownNotification);
        QVERIFY(program.platform.notifications.isEmpty()); // a run that stops posts nothing
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

    void modesShowTheirArrowsAndTime()
    {
        setPreset(600);
        QTest::mouseClick(w().RadioButton1, Qt::LeftButton);
        QVERIFY(!w().LittleArrows1->isVisible() && program.display() == "0:00:00:00");
        timerMode();
        QVERIFY(w().LittleArrows1->isVisible() && program.display() == "0:10:00:00");
    }

    void resizing()
    {
        w().setContentFrame(20, 50, 10, 10);
        QCOMPARE(w().centralWidget()->size(), QSize(420, 357)); // the smallest
        const QSize size(1900, 1000);                           // maximized on a large screen
        w().setContentFrame(20, 50, Window1::kLayoutHeight, Window1::kLayoutWidth);
        const QRect list = w().ListBox1->geometry(), comment = w().Commentaire->geometry();
        const QRect start = w().bt_depart->geometry(), display = w().StaticText2->geometry();
        const QRect clock = w().StaticText4->geometry(), date = w().StaticText3->geometry();
        w().setContentFrame(20, 50, size.height(), size.width());
        QCOMPARE(w().centralWidget()->size(), size);
        const int dx = size.width() - Window1::kLayoutWidth, dy = size.height() - Window1::kLayoutHeight;
        QCOMPARE(w().ListBox1->geometry(), list.adjusted(0, 0, dx, dy));
        QCOMPARE(w().Commentaire->geometry(), comment.adjusted(0, dy, dx, dy));
        QCOMPARE(w().bt_depart->geometry(), start.translated(dx, dy));
        QCOMPARE(w().StaticText2->geometry(), display.translated(0, dy));
        QCOMPARE(w().StaticText4->geometry(), clock.translated(dx, 0));
        QCOMPARE(w().StaticText3->geometry(), date);
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
};

VEL_TEST_MAIN(TestWindow1)
#include "test_window1.moc"
