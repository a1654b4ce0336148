#include "engine/methodes.h"
#include "engine/time_format.h"

#include <QtTest>

class TestTimeFormat : public QObject {
    Q_OBJECT
private slots:
    void formats_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("difference");
        // clang-format off
        QTest::newRow("worked example") << 3725.375 << "1:02:05:37" << "1:02:05:00" << "+  1:02:05:38";
        QTest::newRow("float noise") << (3725.37 - 3725.0) << "0:00:00:37" << "0:00:00:00" << "+  0:00:00:37";
        QTest::newRow("small fraction") << 0.05 << "0:00:00:05" << "0:00:00:00" << "+  0:00:00:05";
        QTest::newRow("half away from zero") << 0.125 << "0:00:00:12" << "0:00:00:00" << "+  0:00:00:13";
        QTest::newRow("cut, not rounded") << 59.999 << "0:00:59:99" << "0:00:59:00" << "+  0:01:00:00";
        QTest::newRow("below the carry") << 4.994 << "0:00:04:99" << "0:00:04:00" << "+  0:00:04:99";
        QTest::newRow("carry into hours") << 3599.999 << "0:59:59:99" << "0:59:59:00" << "+  1:00:00:00";
        QTest::newRow("an hour") << 3600.0 << "1:00:00:00" << "1:00:00:00" << "+  1:00:00:00";
        QTest::newRow("100 hours") << 360000.5 << "100:00:00:50" << "100:00:00:00" << "+  100:00:00:50";
        QTest::newRow("999 hours less a hundredth") << 3596399.99 << "998:59:59:99" << "998:59:59:00" << "+  998:59:59:99";
        QTest::newRow("carry at 999 hours") << 3596399.996 << "998:59:59:99" << "998:59:59:00" << "+  999:00:00:00";
        QTest::newRow("zero") << 0.0 << "0:00:00:00" << "0:00:00:00" << "+  0:00:00:00";
        QTest::newRow("negative") << -61.25 << "-0:01:01:25" << "-0:01:01:00" << "+  -0:01:01:25";
        // clang-format on
    }
    void formats()
    {
        QFETCH(double, seconds);
        QTEST(TimeFormat::displayTime(seconds), "display");
        QTEST(TimeFormat::presetTime(seconds), "preset");
        QTEST(Methodes::regle_timer(seconds), "preset");
        QTEST(TimeFormat::differenceText(seconds), "difference");
    }
};

QTEST_GUILESS_MAIN(TestTimeFormat)
#include "test_time_format.moc"
