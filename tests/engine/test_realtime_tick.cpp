// Runs the stopwatch on the real clock for a few seconds.
#include "engine/window1.h"
#include "platform/qt_platform.h"
#include "program_fixture.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>

class TestRealtimeTick : public QObject {
    Q_OBJECT
    ProgramFixture program;
    QtPlatform real;

private slots:
    void displayChangesOncePerSecond()
    {
        program.start();
        Platform::install(&real);
        Window1 &w = program.window();
        QTest::mouseClick(w.bt_depart, Qt::LeftButton);

        QStringList seen;
        QList<qint64> changedAt;
        QElapsedTimer clock;
        for (clock.start(); clock.elapsed() < 3300; QTest::qWait(5))
            if (seen.isEmpty() || seen.last() != w.StaticText2->text())
                seen.append(w.StaticText2->text()), changedAt.append(clock.elapsed());
        QTest::mouseClick(w.bt_depart, Qt::LeftButton);
        Platform::install(&program.platform);

        QCOMPARE(seen.mid(0, 4), QStringList({"0:00:00:00", "0:00:01:00", "0:00:02:00", "0:00:03:00"}));
        // One change per second, give or take a busy machine.
        for (int i = 2; i < 4; ++i)
            QVERIFY2(qAbs(changedAt[i] - changedAt[i - 1] - 1000) < 200, qPrintable(seen.join(' ')));
    }
};

VEL_TEST_MAIN(TestRealtimeTick)
#include "test_realtime_tick.moc"
