#include "engine/alerte_vel.h"
#include "engine/demande_message_timer.h"
#include "engine/list_box.h"
#include "engine/little_arrows.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "program_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

class TestPauseReset : public QObject {
    Q_OBJECT
    ProgramFixture program;

    Window1 &w() { return program.window(); }
    void timerMode() { QTest::mouseClick(w().RadioButton2, Qt::LeftButton); }

private slots:
    void init() { program.start(); }

    void pauseFreezesWithHundredthsAndResumeLosesNoTime()
    {
        program.click(w().bt_depart);
        program.tick(12.34);
        QCOMPARE(program.display(), QStringLiteral("0:00:12:00"));
        program.click(w().bt_pause);
        QCOMPARE(program.display(), QStringLiteral("0:00:12:34"));
        QCOMPARE(program.lastRow(), QStringList({"Chronomètre mis en pause à 14:02:23", "", ""}));
        QCOMPARE(w().bt_pause->text(), QStringLiteral("Reprendre"));
        QVERIFY(!w().intermediaire->isEnabled());
        QVERIFY(!w().Timer3->isActive());
        QCOMPARE(w().bt_depart->text(), QStringLiteral("Stop"));
        QVERIFY(w().reset->isEnabled());
        QVERIFY(!w().RadioButton1->isEnabled());

        program.platform.advance(30);
        program.click(w().bt_pause);
        QCOMPARE(program.lastRow(), QStringList({"Chronomètre remis en marche à 14:02:53", "", ""}));
        QCOMPARE(w().bt_pause->text(), QStringLiteral("Pause"));
        QVERIFY(w().intermediaire->isEnabled());
        QVERIFY(w().Timer3->isActive());
        QCOMPARE(w().ListBox1->selectedRow(), program.rowCount() - 1);
        program.tick(0.01);
        QCOMPARE(program.display(), QStringLiteral("0:00:12:00"));

        // Running time leaves the pause out, the difference keeps it in.
        program.platform.advance(1.0);
        program.click(w().bt_depart);
        QCOMPARE(program.row(3), QStringList({"Chronomètre 1, temps final:", "0:00:13:35", "+  0:00:43:35"}));
    }

    void severalPausesAccumulate()
    {
        program.click(w().bt_depart);
        for (int i = 0; i < 3; ++i) {
            program.platform.advance(10);
            program.click(w().bt_pause);
            program.platform.advance(100);
            program.click(w().bt_pause);
        }
        program.platform.advance(0.5);
        program.click(w().bt_depart);
        QCOMPARE(program.display(), QStringLiteral("0:00:30:50"));
        QCOMPARE(program.row(7)[2], QStringLiteral("+  0:05:30:50"));
    }

    void countdownPausedResumesWhereItWas()
    {
        timerMode();
        program.click(w().bt_depart);
        program.tick(50.0);
        program.click(w().bt_pause);
        QCOMPARE(program.display(), QStringLiteral("0:04:10:00"));
        QCOMPARE(program.lastRow()[0], QStringLiteral("Timer mis en pause à 14:03:01"));
        program.platform.advance(600);
        program.click(w().bt_pause);
        QCOMPARE(program.lastRow()[0], QStringLiteral("Timer  remis en marche à 14:13:01"));
        program.tick(0.01);
        QCOMPARE(program.display(), QStringLiteral("0:04:09:00"));
        program.tick(249.0);
        QCOMPARE(program.platform.beeps, 0);
        program.tick(0.995);
        QCOMPARE(program.platform.beeps, 3);
    }

    // Stop and reset close the pause first: the 100 s paused count neither
    // as running time nor as time off the countdown.
    void stopOrResetWhilePausedLeavesThePauseOut_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::addColumn<bool>("timer");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("difference");
        QTest::newRow("stop, chronometre") << false << false << "0:00:10:00"
                                           << "+  0:01:50:00";
        QTest::newRow("stop, timer") << false << true << "0:04:50:00"
                                     << "";
        QTest::newRow("reset, chronometre") << true << false << "0:00:10:00"
                                            << "";
        QTest::newRow("reset, timer") << true << true << "0:04:50:00"
                                      << "+  0:01:50:00";
    }
    void stopOrResetWhilePausedLeavesThePauseOut()
    {
        QFETCH(bool, reset);
        QFETCH(bool, timer);
        QFETCH(QString, time);
        QFETCH(QString, difference);
        if (timer)
            timerMode();
        program.click(w().bt_depart);
        program.platform.advance(10);
        program.click(w().bt_pause);
        program.platform.advance(100);
        program.click(reset ? w().reset : w().bt_depart);
        QCOMPARE(program.row(2)[1], time);
        QCOMPARE(program.row(2)[2], difference);
        QCOMPARE(w().bt_pause->text(), QStringLiteral("Pause"));
        QVERIFY(!w().bt_pause->isEnabled());
        if (!reset)
            QCOMPARE(program.display(), time);
    }

    void resetWhileIdleAddsNothing()
    {
        program.click(w().reset);
        QCOMPARE(program.rowCount(), 0);
        QCOMPARE(Variables_globales.no_de_chrono, 1);
        QCOMPARE(w().StaticText1->text(), QStringLiteral("0"));
        QCOMPARE(program.display(), QStringLiteral("0:00:00:00"));
        QCOMPARE(w().defaultButton(), w().bt_depart);

        timerMode();
        w().Preference_vel_Timer->setText(QStringLiteral("90"));
        w().StaticText2->setText(QStringLiteral("0:03:12:00"));
        program.click(w().reset);
        QCOMPARE(program.display(), QStringLiteral("0:01:30:00"));
        QCOMPARE(w().StaticText1->text(), QStringLiteral("90"));
        QCOMPARE(program.rowCount(), 0);
    }

    void resetWhileRunningChronometre()
    {
        program.click(w().bt_depart);
        program.tick(5.25);
        program.typeComment(QStringLiteral("unused"));
        program.click(w().reset);
        QCOMPARE(program.rowCount(), 4);
        QCOMPARE(program.row(1), QStringList({"Décompte initialisé à 14:02:16", "0:00:05:25", ""}));
        QCOMPARE(program.row(2)[0], QStringLiteral("--------------------------------------"));
        QCOMPARE(program.row(3), QStringList({"", "", ""}));
        QCOMPARE(w().ListBox1->selectedRow(), 3);
        QCOMPARE(Variables_globales.no_de_chrono, 2);
        QCOMPARE(program.display(), QStringLiteral("0:00:00:00"));
        QCOMPARE(w().StaticText1->text(), QStringLiteral("0"));
        QVERIFY(w().Commentaire->text().isEmpty());
        QCOMPARE(w().GroupBox2->title(), QStringLiteral("Etiquette pour le temps de départ"));
        QCOMPARE(w().defaultButton(), w().bt_depart);
        QCOMPARE(w().bt_depart->text(), QStringLiteral("Départ"));
        QVERIFY(!w().Timer3->isActive());
        QVERIFY(!w().bt_pause->isEnabled());
        QVERIFY(!w().intermediaire->isEnabled());
        QVERIFY(w().efface_liste->isEnabled());
        QVERIFY(w().RadioButton1->isEnabled() && w().RadioButton2->isEnabled());
    }

    void resetWhileRunningTimerMeasuresTheDifference()
    {
        timerMode();
        program.click(w().bt_depart);
        program.tick(20.5);
        program.click(w().reset);
        QCOMPARE(program.row(1), QStringList({"Décompte initialisé à 14:02:31", "0:04:39:50", "+  0:00:20:50"}));
        QCOMPARE(program.display(), QStringLiteral("0:05:00:00"));
        QVERIFY(w().LittleArrows1->isEnabled());
        QCOMPARE(Variables_globales.no_de_chrono, 3);
    }
};

VEL_TEST_MAIN(TestPauseReset)
#include "test_pause_reset.moc"
