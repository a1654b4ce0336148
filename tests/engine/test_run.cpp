#include "engine/alerte_vel.h"
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

class TestRun : public QObject {
    Q_OBJECT
    ProgramFixture program;

    Window1 &w() { return program.window(); }

    void verifyRunning()
    {
        QCOMPARE(w().bt_depart->text(), QStringLiteral("Stop"));
        QVERIFY(w().bt_pause->isEnabled());
        QCOMPARE(w().bt_pause->text(), QStringLiteral("Pause"));
        QVERIFY(w().intermediaire->isEnabled());
        QVERIFY(!w().RadioButton1->isEnabled());
        QVERIFY(!w().RadioButton2->isEnabled());
        QVERIFY(!w().efface_liste->isEnabled());
        QVERIFY(w().Timer3->isActive());
        QCOMPARE(w().defaultButton(), w().intermediaire);
        QCOMPARE(w().GroupBox2->title(), QStringLiteral("Etiquette pour le temps intermédiaire  1"));
        QVERIFY(w().Commentaire->hasFocus() || !w().isActiveWindow());
    }

    void verifyIdle()
    {
        QCOMPARE(w().bt_depart->text(), QStringLiteral("Départ"));
        QVERIFY(!w().bt_pause->isEnabled());
        QCOMPARE(w().bt_pause->text(), QStringLiteral("Pause"));
        QVERIFY(!w().intermediaire->isEnabled());
        QVERIFY(w().RadioButton1->isEnabled());
        QVERIFY(w().RadioButton2->isEnabled());
        QVERIFY(w().LittleArrows1->isEnabled());
        QVERIFY(w().efface_liste->isEnabled());
        QVERIFY(!w().Timer3->isActive());
    }

private slots:
    void init() { program.start(); }

    void chronometerStartAndStop()
    {
        program.click(w().bt_depart);
        QCOMPARE(program.rowCount(), 1);
        QCOMPARE(program.row(0), QStringList({"Chronomètre 1, départ à: 14:02:11", "0:00:00:00", ""}));
        QCOMPARE(w().ListBox1->selectedRow(), 0);
        verifyRunning();
        QVERIFY(w().LittleArrows1->isEnabled());
        QCOMPARE(Variables_globales.no_de_chrono, 1);

        program.tick(0.01);
        QCOMPARE(program.display(), QStringLiteral("0:00:00:00"));
        program.tick(1.0);
        QCOMPARE(program.display(), QStringLiteral("0:00:01:00"));
        program.tick(61.5);
        QCOMPARE(program.display(), QStringLiteral("0:01:02:00"));

        program.platform.advance(0.01);
        program.click(w().bt_depart);
        QCOMPARE(program.display(), QStringLiteral("0:01:02:52"));
        QCOMPARE(program.rowCount(), 4);
        QCOMPARE(program.row(1), QStringList({"Chronomètre 1, temps final:", "0:01:02:52", "+  0:01:02:52"}));
        QCOMPARE(program.row(2), QStringList({"--------------------------------------", "", ""}));
        QCOMPARE(program.row(3), QStringList({"", "", ""}));
        QCOMPARE(w().ListBox1->selectedRow(), 3);
        QCOMPARE(Variables_globales.no_de_chrono, 2);
        verifyIdle();
        QCOMPARE(w().defaultButton(), w().reset);
        QCOMPARE(w().GroupBox2->title(), QStringLiteral("Etiquette pour le temps de départ"));

        // The next start keeps the final time until its first tick.
        program.click(w().bt_depart);
        QCOMPARE(program.display(), QStringLiteral("0:01:02:52"));
        QCOMPARE(program.lastRow()[0], QStringLiteral("Chronomètre 2, départ à: 14:03:13"));
        program.tick(0.01);
        QCOMPARE(program.display(), QStringLiteral("0:00:00:00"));
    }

    void commentsLabelStartAndStopRows()
    {
        program.typeComment(QStringLiteral("Course"));
        program.click(w().bt_depart);
        QCOMPARE(program.row(0), QStringList({"1: Course", "0:00:00:00", ""}));
        QVERIFY(w().Commentaire->text().isEmpty());
        program.platform.advance(2);
        program.typeComment(QStringLiteral("Arrivée"));
        program.click(w().bt_depart);
        QCOMPARE(program.row(1), QStringList({"1: Arrivée", "0:00:02:00", "+  0:00:02:00"}));
        QVERIFY(w().Commentaire->text().isEmpty());
    }

    void countdownShowsThePresetThenDrops()
    {
        QTest::mouseClick(w().RadioButton2, Qt::LeftButton);
        QCOMPARE(program.display(), QStringLiteral("0:05:00:00"));
        program.click(w().bt_depart);
        QCOMPARE(program.display(), QStringLiteral("0:05:00:00"));
        QCOMPARE(program.row(0), QStringList({"Temps de départ 1:", "0:05:00:00", ""}));
        QCOMPARE(w().ListBox1->selectedRow(), 0);
        QCOMPARE(Variables_globales.no_de_chrono, 2);
        verifyRunning();
        QVERIFY(!w().LittleArrows1->isEnabled());
        program.tick(0.01);
        QCOMPARE(program.display(), QStringLiteral("0:04:59:00"));
    }

    void countdownExpiresWithLessThanASecondLeft()
    {
        QTest::mouseClick(w().RadioButton2, Qt::LeftButton);
        program.click(w().bt_depart);
        program.tick(298.005);
        QCOMPARE(program.display(), QStringLiteral("0:00:01:00"));
        int guard = 0;
        while (program.display() != QStringLiteral("0:00:00:00") && guard++ < 300) {
            program.tick(0.01);
        }
        QCOMPARE(program.platform.beeps, 0);
        QCOMPARE(w().bt_depart->text(), QStringLiteral("Stop"));
        const double remaining = Variables_globales.temps_timer;
        QVERIFY(remaining < 1.0 && remaining > 0.99);

        program.tick(0.01);
        QCOMPARE(program.platform.beeps, 3);
        QCOMPARE(program.display(), QStringLiteral("0:00:00:00"));
        verifyIdle();
        // The expiry leaves the running state's default button and heading.
        QCOMPARE(w().defaultButton(), w().intermediaire);
        QCOMPARE(w().GroupBox2->title(), QStringLiteral("Etiquette pour le temps intermédiaire  1"));
        QCOMPARE(program.rowCount(), 4);
        QCOMPARE(program.row(1), QStringList({"Timer 2, temps écoulé à  14:07:10", "", ""}));
        QCOMPARE(program.row(2)[0], QStringLiteral("--------------------------------------"));
        QCOMPARE(program.row(3), QStringList({"", "", ""}));
        QVERIFY(alerte_vel::instance().isVisible());
        QCOMPARE(alerte_vel::instance().StaticText1->text(), QStringLiteral("Temps écoulé!"));
        QCOMPARE(Variables_globales.no_de_chrono, 2);
    }

    void lateTickEndsTheCountdownAtOnce()
    {
        QTest::mouseClick(w().RadioButton2, Qt::LeftButton);
        program.click(w().bt_depart);
        program.tick(10);
        program.tick(400); // the machine was busy
        QCOMPARE(program.display(), QStringLiteral("0:00:00:00"));
        QCOMPARE(program.platform.beeps, 3);
        QCOMPARE(w().bt_depart->text(), QStringLiteral("Départ"));
    }

    void timerStartWithACommentLeavesTheSelection()
    {
        QTest::mouseClick(w().RadioButton2, Qt::LeftButton);
        w().ListBox1->addRow(QStringLiteral("earlier"));
        w().ListBox1->addRow(QStringLiteral("later"));
        w().ListBox1->selectRow(0);
        program.typeComment(QStringLiteral("Four"));
        program.click(w().bt_depart);
        QCOMPARE(program.lastRow(), QStringList({"1: Four", "", ""}));
        QCOMPARE(w().ListBox1->selectedRow(), 0);
        QVERIFY(w().Commentaire->text().isEmpty());
    }

    void timerStopKeepsTheRemainingTime()
    {
        QTest::mouseClick(w().RadioButton2, Qt::LeftButton);
        program.click(w().bt_depart);
        program.tick(107.5);
        program.click(w().bt_depart);
        QCOMPARE(program.display(), QStringLiteral("0:03:12:50"));
        QCOMPARE(program.row(1), QStringList({"Timer stoppé à 14:03:58", "0:03:12:50", ""}));
        QCOMPARE(program.rowCount(), 4);
        QCOMPARE(Variables_globales.no_de_chrono, 2);
        QCOMPARE(w().defaultButton(), w().reset);
        verifyIdle();

        // The next countdown starts from the full preset again.
        program.click(w().bt_depart);
        QCOMPARE(program.lastRow(), QStringList({"Temps de départ 2:", "0:05:00:00", ""}));
        program.tick(0.01);
        QCOMPARE(program.display(), QStringLiteral("0:04:59:00"));
    }

    void theTickRewritesTheDisplayOnlyWhenTheSecondChanges()
    {
        program.click(w().bt_depart);
        program.tick(0.01);
        w().StaticText2->setText(QStringLiteral("0:00:00:00"));
        program.tick(0.5);
        QCOMPARE(program.display(), QStringLiteral("0:00:00:00"));
        program.tick(0.5);
        QCOMPARE(program.display(), QStringLiteral("0:00:01:00"));
    }

    void realTimerDrivesTheTick()
    {
        program.click(w().bt_depart);
        program.platform.advance(3);
        QTRY_COMPARE_WITH_TIMEOUT(program.display(), QStringLiteral("0:00:03:00"), 2000);
    }
};

VEL_TEST_MAIN(TestRun)
#include "test_run.moc"
