#include "engine/alerte_vel.h"
#include "engine/demande_message_timer.h"
#include "engine/icon_canvas.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "program_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class TestAlerts : public QObject {
    Q_OBJECT
    ProgramFixture program;

    Window1 &w() { return program.window(); }
    Demande_message_timer &question() { return Demande_message_timer::instance(); }
    alerte_vel &alert() { return alerte_vel::instance(); }

    void startCountdown(bool ask)
    {
        Variables_globales.demande_message_ou_pas = ask;
        QTest::mouseClick(w().RadioButton2, Qt::LeftButton);
        program.click(w().bt_depart);
    }
    void runOut() { program.tick(300.0); }

private slots:
    void init() { program.start(); }

    void alertWindow()
    {
        alerte_vel &a = alert();
        QCOMPARE(a.windowTitle(), QStringLiteral("Vel Timing message"));
        QVERIFY(a.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(a.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(a.testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(a.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(a.PushButton1->isDefault());
        a.show();
        QTest::keyClick(&a, Qt::Key_Return);
        QVERIFY(!a.isVisible());
        a.show();
        QTest::mouseClick(a.PushButton1, Qt::LeftButton);
        QVERIFY(!a.isVisible());
    }

    void questionWindow()
    {
        Variables_globales.pref_texte_timer = QStringLiteral("Fini");
        Demande_message_timer &q = question();
        QVERIFY(q.windowTitle().isEmpty());
        QCOMPARE(q.StaticText1->text(),
                 QStringLiteral("Entrez le message qui vous alertera lorsque le temps du Timer sera écoulé."));
        QCOMPARE(q.PushButton1->text(), QStringLiteral("OK"));
        QCOMPARE(q.PushButton2->text(), QStringLiteral("Annuler"));
        QVERIFY(q.PushButton1->isDefault());
        QCOMPARE(q.Canvas1->iconCode(), 1);
        QCOMPARE(q.EditField1->text(), QStringLiteral("Fini"));
        QCOMPARE(q.EditField1->selectedText(), QStringLiteral("Fini"));
    }

    void answeredMessageShowsAtTheEnd()
    {
        startCountdown(true);
        QVERIFY(question().isVisible());
        QVERIFY(w().Timer3->isActive());
        QCOMPARE(question().EditField1->selectedText(), QStringLiteral("Temps écoulé!"));
        typeInto(question().EditField1, QStringLiteral("Thé prêt"));
        QTest::keyClick(question().EditField1, Qt::Key_Return);
        QVERIFY(!question().isVisible());
        QCOMPARE(Variables_globales.pref_texte_timer, QStringLiteral("Thé prêt"));
        runOut();
        QVERIFY(alert().isVisible());
        QCOMPARE(alert().StaticText1->text(), QStringLiteral("Thé prêt"));
    }

    void cancelKeepsThePreviousMessage()
    {
        startCountdown(true);
        typeInto(question().EditField1, QStringLiteral("Autre"));
        QTest::mouseClick(question().PushButton2, Qt::LeftButton);
        QVERIFY(!question().isVisible());
        QCOMPARE(Variables_globales.pref_texte_timer, QStringLiteral("Temps écoulé!"));
        // The field keeps what was typed for the next countdown.
        program.click(w().bt_depart);
        program.click(w().bt_depart);
        QVERIFY(question().isVisible());
        QCOMPARE(question().EditField1->text(), QStringLiteral("Autre"));
    }

    void expiryClosesAnUnansweredQuestion()
    {
        startCountdown(true);
        typeInto(question().EditField1, QStringLiteral("pas pris"));
        runOut();
        QVERIFY(!question().isVisible());
        QCOMPARE(alert().StaticText1->text(), QStringLiteral("Temps écoulé!"));
    }

    void noQuestionWhenAskingIsOff()
    {
        startCountdown(false);
        QVERIFY(!Demande_message_timer::exists() || !question().isVisible());
        runOut();
        QVERIFY(alert().isVisible());
    }

    void emptyMessageIsShownEmpty()
    {
        Variables_globales.pref_texte_timer.clear();
        startCountdown(false);
        runOut();
        QVERIFY(alert().isVisible());
        QVERIFY(alert().StaticText1->text().isEmpty());
    }

    void stopLeavesTheQuestionOpen()
    {
        startCountdown(true);
        program.click(w().bt_depart);
        QVERIFY(question().isVisible());
        question().EditField1->setText(QStringLiteral("Plus tard"));
        QTest::mouseClick(question().PushButton1, Qt::LeftButton);
        QCOMPARE(Variables_globales.pref_texte_timer, QStringLiteral("Plus tard"));
    }

    void resetHidesBoth()
    {
        startCountdown(true);
        alert().show();
        program.click(w().reset);
        QVERIFY(!question().isVisible());
        QVERIFY(!alert().isVisible());
    }

    void startAndStopHideTheAlert()
    {
        startCountdown(false);
        runOut();
        QVERIFY(alert().isVisible());
        program.click(w().bt_depart);
        QVERIFY(!alert().isVisible());
        alert().show();
        program.click(w().bt_depart);
        QVERIFY(!alert().isVisible());
    }

    void closeBoxMakesAFreshQuestion()
    {
        startCountdown(true);
        question().EditField1->setText(QStringLiteral("abandonné"));
        question().close();
        QTRY_VERIFY(!Demande_message_timer::exists());
        Variables_globales.pref_texte_timer = QStringLiteral("Nouveau");
        QCOMPARE(question().EditField1->text(), QStringLiteral("Nouveau"));
    }

    void countdownOf999Hours()
    {
        QTest::mouseClick(w().RadioButton2, Qt::LeftButton);
        w().StaticText1->setText(QStringLiteral("3596400"));
        w().Preference_vel_Timer->setText(QStringLiteral("3596400"));
        program.click(w().bt_depart);
        QCOMPARE(program.row(0)[1], QStringLiteral("999:00:00:00"));
        program.tick(0.01);
        QCOMPARE(program.display(), QStringLiteral("998:59:59:00"));
        program.tick(3596398.0);
        QCOMPARE(program.display(), QStringLiteral("0:00:01:00"));
        program.platform.advance(0.5);
        program.click(w().bt_pause);
        QCOMPARE(program.display(), QStringLiteral("0:00:01:49"));
        program.click(w().bt_pause);
        program.tick(0.5);
        QCOMPARE(program.platform.beeps, 0);
        program.tick(0.01);
        QCOMPARE(program.platform.beeps, 3);
    }
};

VEL_TEST_MAIN(TestAlerts)
#include "test_alerts.moc"
