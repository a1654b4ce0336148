#include "engine/methodes.h"
#include "engine/time_format.h"
#include "engine/variables_globales.h"
#include "program_fixture.h"

class TestTimeFormat : public QObject {
    Q_OBJECT
private slots:
    void displayTime_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("worked example") << 3725.375 << "1:02:05:37";
        QTest::newRow("float noise") << (3725.37 - 3725.0) << "0:00:00:37";
        QTest::newRow("noise in a large value") << 3725.37 << "1:02:05:37";
        QTest::newRow("half") << 0.5 << "0:00:00:50";
        QTest::newRow("zero fraction") << 42.0 << "0:00:42:00";
        QTest::newRow("small fraction") << 0.05 << "0:00:00:05";
        QTest::newRow("cut, not rounded") << 59.999 << "0:00:59:99";
        QTest::newRow("just below the minute") << 3599.6 << "0:59:59:60";
        QTest::newRow("100 hours") << 360000.5 << "100:00:00:50";
        QTest::newRow("999 hours") << 3596400.0 << "999:00:00:00";
        QTest::newRow("999 hours less a hundredth") << 3596399.99 << "998:59:59:99";
        QTest::newRow("countdown remaining") << (300.0 - 12.25) << "0:04:47:75";
        QTest::newRow("negative") << -1.25 << "-0:00:01:25";
    }
    void displayTime()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(TimeFormat::displayTime(seconds), text);
    }

    void presetTime_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("3725") << 3725.0 << "1:02:05:00";
        QTest::newRow("300") << 300.0 << "0:05:00:00";
        QTest::newRow("999 hours") << 3596400.0 << "999:00:00:00";
        QTest::newRow("zero") << 0.0 << "0:00:00:00";
        QTest::newRow("fraction ignored") << 299.99 << "0:04:59:00";
        QTest::newRow("100 hours") << 360000.0 << "100:00:00:00";
        QTest::newRow("an hour") << 3600.0 << "1:00:00:00";
        QTest::newRow("negative") << -61.0 << "-0:01:01:00";
    }
    void presetTime()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(TimeFormat::presetTime(seconds), text);
        QCOMPARE(Methodes::regle_timer(seconds), text);
    }

    void differenceText_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("worked example rounds") << 3725.375 << "+  1:02:05:38";
        QTest::newRow("12.5 s") << 12.5 << "+  0:00:12:50";
        QTest::newRow("exact half away from zero") << 0.125 << "+  0:00:00:13";
        QTest::newRow("carry into seconds") << 4.996 << "+  0:00:05:00";
        QTest::newRow("carry into hours") << 3599.999 << "+  1:00:00:00";
        QTest::newRow("carry at 999 hours") << 3596399.996 << "+  999:00:00:00";
        QTest::newRow("below the carry") << 4.994 << "+  0:00:04:99";
        QTest::newRow("zero") << 0.0 << "+  0:00:00:00";
        QTest::newRow("negative") << -2.5 << "+  -0:00:02:50";
    }
    void differenceText()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(TimeFormat::differenceText(seconds), text);
    }

    void routinesReadTheClock()
    {
        FakePlatform fake;
        Platform::install(&fake);
        auto &vg = Variables_globales;
        vg = VariablesGlobales();
        fake.advance(10);
        vg.depart_micro = fake.microseconds();
        vg.temps_precedent = vg.depart_micro;
        fake.advance(3725.375);

        QCOMPARE(Methodes::Nouv_calcul_temps(), QStringLiteral("1:02:05:37"));
        QCOMPARE(vg.Temps_nouveau, fake.microseconds());
        QCOMPARE(Methodes::Calcule_difference(), QStringLiteral("+  1:02:05:38"));
        QCOMPARE(vg.temps_precedent, vg.Temps_nouveau);

        vg.mode_timer = true;
        vg.depart_timer = 300;
        vg.depart_micro = fake.microseconds();
        fake.advance(12.25);
        QCOMPARE(Methodes::Nouv_calcul_temps(), QStringLiteral("0:04:47:75"));
        QCOMPARE(Methodes::Calcule_difference(), QStringLiteral("+  0:00:12:25"));
        Platform::install(nullptr);
    }
};

VEL_TEST_MAIN(TestTimeFormat)
#include "test_time_format.moc"
