#include "engine/alerte_vel.h"
#include "engine/list_box.h"
#include "engine/little_arrows.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "program_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

class TestModePreset : public QObject {
    Q_OBJECT
    ProgramFixture program;

    Window1 &w() { return program.window(); }
    void timerMode() { QTest::mouseClick(w().RadioButton2, Qt::LeftButton); }
    void setPreset(const QString &seconds)
    {
        w().StaticText1->setText(seconds);
        w().Preference_vel_Timer->setText(seconds);
    }

private slots:
    void init() { program.start(); }

    void arrows_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("keys");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        const int none = Qt::NoModifier, cmd = Qt::ControlModifier, opt = Qt::AltModifier;
        const QString max = QStringLiteral("Le temps maximum pour le timer est 999 heures!");
        const QString min = QStringLiteral("Le temps minimum pour le timer est  5 secondes!");
        QTest::newRow("up one second") << "300" << none << true << "301"
                                       << "301"
                                       << "0:05:01:00"
                                       << "";
        QTest::newRow("command up a minute") << "300" << cmd << true << "360"
                                             << "360"
                                             << "0:06:00:00"
                                             << "";
        QTest::newRow("option up an hour") << "300" << opt << true << "3900"
                                           << "3900"
                                           << "1:05:00:00"
                                           << "";
        QTest::newRow("both keys step a minute") << "300" << (cmd | opt) << true << "360"
                                                 << "360"
                                                 << "0:06:00:00"
                                                 << "";
        QTest::newRow("up to an hour") << "3599" << none << true << "3600"
                                       << "3600"
                                       << "1:00:00:00"
                                       << "";
        QTest::newRow("up onto the maximum") << "3596399" << none << true << "3596400"
                                             << "3596400"
                                             << "999:00:00:00"
                                             << "";
        QTest::newRow("up past the maximum") << "3596400" << none << true << "3596400"
                                             << "3596400"
                                             << "999:00:00:00" << max;
        QTest::newRow("option up lands on the maximum") << "3593000" << opt << true << "3596400"
                                                        << "3593000"
                                                        << "999:00:00:00" << max;
        QTest::newRow("down one second") << "300" << none << false << "299"
                                         << "299"
                                         << "0:04:59:00"
                                         << "";
        QTest::newRow("down onto the minimum") << "6" << none << false << "5"
                                               << "5"
                                               << "0:00:05:00"
                                               << "";
        QTest::newRow("down past the minimum") << "5" << none << false << "5"
                                               << "5"
                                               << "0:00:05:00" << min;
        QTest::newRow("command down lands on the minimum") << "64" << cmd << false << "5"
                                                           << "64"
                                                           << "0:00:05:00" << min;
        QTest::newRow("option down from an hour") << "3600" << opt << false << "5"
                                                  << "3600"
                                                  << "0:00:05:00" << min;
    }
    void arrows()
    {
        QFETCH(QString, from);
        QFETCH(int, keys);
        QFETCH(bool, up);
        QFETCH(QString, current);
        QFETCH(QString, remembered);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        timerMode();
        setPreset(from);
        program.platform.modifiers = Qt::KeyboardModifiers(keys);
        LittleArrows *arrows = w().LittleArrows1;
        QTest::mouseClick(up ? arrows->upButton() : arrows->downButton(), Qt::LeftButton);
        QCOMPARE(w().StaticText1->text(), current);
        QCOMPARE(w().Preference_vel_Timer->text(), remembered);
        QCOMPARE(program.display(), shown);
        QCOMPARE(program.platform.beeps, message.isEmpty() ? 0 : 1);
        QCOMPARE(program.platform.messages, message.isEmpty() ? QStringList() : QStringList{message});
    }

    void divergedHoldersMeetAtTheNextStart()
    {
        timerMode();
        setPreset(QStringLiteral("3593000"));
        program.platform.modifiers = Qt::AltModifier;
        QTest::mouseClick(w().LittleArrows1->upButton(), Qt::LeftButton);
        program.platform.modifiers = Qt::NoModifier;
        program.click(w().bt_depart);
        // Counts down from the current preset, but writes the remembered one.
        QCOMPARE(program.row(0), QStringList({"Temps de départ 1:", "998:03:20:00", ""}));
        QCOMPARE(w().StaticText1->text(), QStringLiteral("3593000"));
        program.tick(0.01);
        QCOMPARE(program.display(), QStringLiteral("998:59:59:00"));
    }

    void startWithACommentLeavesTheHoldersApart()
    {
        timerMode();
        w().StaticText1->setText(QStringLiteral("100"));
        program.typeComment(QStringLiteral("x"));
        program.click(w().bt_depart);
        QCOMPARE(w().StaticText1->text(), QStringLiteral("100"));
        QCOMPARE(w().Preference_vel_Timer->text(), QStringLiteral("300"));
        program.tick(0.01);
        QCOMPARE(program.display(), QStringLiteral("0:01:39:00"));
    }

    void arrowsWorkFromThePresetNotTheDisplay()
    {
        timerMode();
        program.click(w().bt_depart);
        program.tick(107.5);
        program.click(w().bt_depart);
        QCOMPARE(program.display(), QStringLiteral("0:03:12:50"));
        QTest::mouseClick(w().LittleArrows1->upButton(), Qt::LeftButton);
        QCOMPARE(program.display(), QStringLiteral("0:05:01:00"));
    }

    void modeSwitchRulesAroundZero()
    {
        w().Preference_vel_Timer->setText(QStringLiteral("600"));
        w().StaticText1->setText(QStringLiteral("0"));
        timerMode();
        QCOMPARE(w().StaticText1->text(), QStringLiteral("300"));
        QCOMPARE(w().Preference_vel_Timer->text(), QStringLiteral("300"));
        QCOMPARE(program.display(), QStringLiteral("0:05:00:00"));
        QVERIFY(w().LittleArrows1->isVisible());
        QVERIFY(Variables_globales.mode_timer);

        w().Preference_vel_Timer->setText(QStringLiteral("600"));
        QTest::mouseClick(w().RadioButton1, Qt::LeftButton);
        QCOMPARE(program.display(), QStringLiteral("0:00:00:00"));
        QVERIFY(!w().LittleArrows1->isVisible());
        QVERIFY(!Variables_globales.mode_timer);
        QCOMPARE(w().StaticText1->text(), QStringLiteral("300"));

        timerMode();
        QCOMPARE(w().StaticText1->text(), QStringLiteral("600"));
        QCOMPARE(program.display(), QStringLiteral("0:10:00:00"));
    }

    void choosingAModeHidesTheAlert()
    {
        alerte_vel::instance().show();
        timerMode();
        QVERIFY(!alerte_vel::instance().isVisible());
        alerte_vel::instance().show();
        QTest::mouseClick(w().RadioButton1, Qt::LeftButton);
        QVERIFY(!alerte_vel::instance().isVisible());
    }

    void modeButtonsAreOffDuringARun()
    {
        program.click(w().bt_depart);
        QVERIFY(!w().RadioButton2->isEnabled());
        program.click(w().bt_pause);
        QVERIFY(!w().RadioButton2->isEnabled());
    }
};

VEL_TEST_MAIN(TestModePreset)
#include "test_mode_preset.moc"
