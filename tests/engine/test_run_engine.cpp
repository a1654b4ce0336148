// Runs as sequences of steps at clock times, checked against the rows and
// the display a user would see; and the time formats they use.
#include "engine/methodes.h"
#include "engine/run_engine.h"
#include "core/time_format.h"
#include "core/date_texts.h"

#include <QtTest>

namespace {
const QStringList kEnd{QStringLiteral("--------------------------------------||"), QStringLiteral("||")};
const QDateTime kWallStart(QDate(2026, 12, 6), QTime(14, 2, 11));
constexpr double kPreset = 300;

// Replays "step[:comment]@seconds ..." the way the window's handlers call the
// engine; readings start 10 s after the clock's origin.
struct Replay {
    VariablesGlobales vg;
    bool timer = false;
    bool paused = false;
    QStringList rows;
    QList<int> delays; // armed by each tick that does not expire
    QString display = QStringLiteral("0:00:00:00");

    void add(const ListRow &row) { rows.append(row.label + '|' + row.time + '|' + row.difference); }
    void add(const QList<ListRow> &list)
    {
        for (const ListRow &row : list)
            add(row);
    }
    void resumeIfPaused(double reading)
    {
        if (std::exchange(paused, false))
            RunEngine::resume(vg, reading);
    }

    void step(const QString &name, const QString &comment, double t)
    {
        const double reading = (t + 10) * 1e6;
        const QString time = DateTexts::longTime(kWallStart.addMSecs(qint64(t * 1000)));
        if (name == "start") {
            vg.mode_timer = timer;
            RunEngine::start(vg, reading, reading, timer ? kPreset : 0);
            add(RunEngine::startRow(vg, timer, comment, time, int(kPreset)));
        } else if (name == "tick") {
            const RunEngine::Tick tick = RunEngine::tick(vg, timer, reading);
            display = tick.expired ? TimeFormat::presetTime(0) : tick.text;
            if (tick.expired)
                add(QList<ListRow>{RunEngine::expiryRow(vg, time)} + RunEngine::closingRows());
            else
                delays.append(RunEngine::nextTickDelay(vg, timer, reading));
        } else if (name == "stop") {
            resumeIfPaused(reading);
            const RunEngine::Stop stop = RunEngine::stop(vg, timer, comment, time, reading, reading);
            display = stop.display;
            add(QList<ListRow>{stop.row} + RunEngine::closingRows());
        } else if (name == "reset") {
            resumeIfPaused(reading);
            add(QList<ListRow>{RunEngine::resetRow(vg, timer, time, reading)} + RunEngine::closingRows());
        } else if (name == "pause") {
            paused = true;
            RunEngine::pause(vg, reading);
            add(RunEngine::pauseRow(timer, time));
            display = RunEngine::displayTime(vg, reading);
        } else if (name == "resume") {
            resumeIfPaused(reading);
            add(RunEngine::resumeRow(timer, time));
        } else if (name == "lap") {
            add(RunEngine::lapRow(vg, comment, QStringLiteral("Temps intermédiaire "), reading));
        } else {
            QFAIL(qPrintable("unknown step " + name));
        }
    }
    void play(bool countdown, const QString &steps)
    {
        timer = countdown;
        for (const QString &s : steps.split(' '))
            step(s.section('@', 0, 0).section(':', 0, 0), s.section('@', 0, 0).section(':', 1),
                 s.section('@', 1).toDouble());
    }
};
} // namespace

class TestRunEngine : public QObject {
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
        QTest::newRow("carry into hours") << 3599.999 << "0:59:59:99" << "0:59:59:00" << "+  1:00:00:00";
        QTest::newRow("an hour") << 3600.0 << "1:00:00:00" << "1:00:00:00" << "+  1:00:00:00";
        QTest::newRow("100 hours") << 360000.5 << "100:00:00:50" << "100:00:00:00" << "+  100:00:00:50";
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

    void run_data()
    {
        QTest::addColumn<bool>("timer");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("nextRun");
        // clang-format off
        QTest::newRow("stopwatch") << false << "start@0 tick@0.01 tick@61.51 stop@62.52"
            << QStringList{"Chronomètre 1, départ à: 14:02:11|0:00:00:00|",
                           "Chronomètre 1, temps final:|0:01:02:52|+  0:01:02:52"} + kEnd << "0:01:02:52" << 2;
        QTest::newRow("comments label the rows") << false << "start:Course@0 stop:Arrivée@2"
            << QStringList{"1: Course|0:00:00:00|", "1: Arrivée|0:00:02:00|+  0:00:02:00"} + kEnd << "0:00:02:00" << 2;
        QTest::newRow("laps") << false << "start@0 lap@12.5 lap:Virage@20 lap@30.25 stop@40"
            << QStringList{"Chronomètre 1, départ à: 14:02:11|0:00:00:00|", "Temps intermédiaire  1:|0:00:12:50|",
                           "2: Virage|0:00:20:00|+  0:00:07:50", "Temps intermédiaire  3:|0:00:30:25|+  0:00:10:25",
                           "Chronomètre 1, temps final:|0:00:40:00|+  0:00:09:75"} + kEnd << "0:00:40:00" << 2;
        QTest::newRow("pauses add up") << false << "start@0 pause@10 resume@110 pause@120 resume@220 pause@230 resume@330 stop@330.5"
            << QStringList{"Chronomètre 1, départ à: 14:02:11|0:00:00:00|",
                           "Chronomètre mis en pause à 14:02:21||", "Chronomètre remis en marche à 14:04:01||",
                           "Chronomètre mis en pause à 14:04:11||", "Chronomètre remis en marche à 14:05:51||",
                           "Chronomètre mis en pause à 14:06:01||", "Chronomètre remis en marche à 14:07:41||",
                           "Chronomètre 1, temps final:|0:00:30:50|+  0:05:30:50"} + kEnd << "0:00:30:50" << 2;
        QTest::newRow("stop while paused") << false << "start@0 pause@10 stop@110"
            << QStringList{"Chronomètre 1, départ à: 14:02:11|0:00:00:00|", "Chronomètre mis en pause à 14:02:21||",
                           "Chronomètre 1, temps final:|0:00:10:00|+  0:01:50:00"} + kEnd << "0:00:10:00" << 2;
        QTest::newRow("reset") << false << "start@0 tick@5 reset@5.25"
            << QStringList{"Chronomètre 1, départ à: 14:02:11|0:00:00:00|", "Décompte initialisé à 14:02:16|0:00:05:25|"} + kEnd
            << "0:00:05:00" << 2;
        QTest::newRow("reset while paused") << false << "start@0 pause@10 reset@110"
            << QStringList{"Chronomètre 1, départ à: 14:02:11|0:00:00:00|", "Chronomètre mis en pause à 14:02:21||",
                           "Décompte initialisé à 14:04:01|0:00:10:00|"} + kEnd << "0:00:10:00" << 2;
        QTest::newRow("countdown stopped") << true << "start@0 tick@0.01 tick@107.5 stop@107.5"
            << QStringList{"Temps de départ 1:|0:05:00:00|", "Timer stoppé à 14:03:58|0:03:12:50|"} + kEnd << "0:03:12:50" << 2;
        QTest::newRow("countdown with a comment") << true << "start:Four@0 tick@0.01"
            << QStringList{"1: Four||"} << "0:04:59:00" << 2;
        QTest::newRow("expiry") << true << "start@0 tick@298.005 tick@299.005 tick@299.015"
            << QStringList{"Temps de départ 1:|0:05:00:00|", "Timer 2, temps écoulé à  14:07:10||"} + kEnd << "0:00:00:00" << 2;
        QTest::newRow("late tick expires at once") << true << "start@0 tick@10 tick@410"
            << QStringList{"Temps de départ 1:|0:05:00:00|", "Timer 2, temps écoulé à  14:09:01||"} + kEnd << "0:00:00:00" << 2;
        QTest::newRow("countdown paused") << true << "start@0 tick@50 pause@50 resume@650 tick@650.01 tick@899.01"
            << QStringList{"Temps de départ 1:|0:05:00:00|", "Timer mis en pause à 14:03:01||",
                           "Timer  remis en marche à 14:13:01||"} << "0:00:00:00" << 2;
        QTest::newRow("countdown paused expires") << true << "start@0 pause@50 resume@650 tick@899.01 tick@900.005"
            << QStringList{"Temps de départ 1:|0:05:00:00|", "Timer mis en pause à 14:03:01||",
                           "Timer  remis en marche à 14:13:01||", "Timer 2, temps écoulé à  14:17:11||"} + kEnd
            << "0:00:00:00" << 2;
        QTest::newRow("countdown stopped while paused") << true << "start@0 pause@10 stop@110"
            << QStringList{"Temps de départ 1:|0:05:00:00|", "Timer mis en pause à 14:02:21||",
                           "Timer stoppé à 14:04:01|0:04:50:00|"} + kEnd << "0:04:50:00" << 2;
        QTest::newRow("countdown reset") << true << "start@0 tick@20 reset@20.5"
            << QStringList{"Temps de départ 1:|0:05:00:00|", "Décompte initialisé à 14:02:31|0:04:39:50|+  0:00:20:50"} + kEnd
            << "0:04:40:00" << 3;
        QTest::newRow("countdown reset while paused") << true << "start@0 pause@10 reset@110"
            << QStringList{"Temps de départ 1:|0:05:00:00|", "Timer mis en pause à 14:02:21||",
                           "Décompte initialisé à 14:04:01|0:04:50:00|+  0:01:50:00"} + kEnd << "0:04:50:00" << 3;
        // clang-format on
    }
    void run()
    {
        QFETCH(bool, timer);
        QFETCH(QString, steps);
        Replay replay;
        replay.play(timer, steps);
        QTEST(replay.rows, "rows");
        QTEST(replay.display, "display");
        QTEST(int(replay.vg.no_de_chrono), "nextRun");
    }

    // Each tick aims just after the shown second changes; half milliseconds
    // keep the expected values clear of rounding.
    void tickDelays_data()
    {
        QTest::addColumn<bool>("timer");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("delays");
        // clang-format off
        QTest::newRow("stopwatch") << false << "start@0 tick@0.0105 tick@1.0005 tick@3725.3755"
                                   << QList<int>{991, 1001, 626};
        QTest::newRow("pause") << false << "start@0 tick@0.0105 pause@0.5 resume@10.5 tick@10.5105"
                               << QList<int>{991, 491};
        QTest::newRow("countdown") << true << "start@0 tick@0.0105 tick@0.9995 tick@298.5005 tick@299.0015"
                                   << QList<int>{991, 2, 501, 10};
        QTest::newRow("countdown paused") << true << "start@0 pause@0.25 resume@5 tick@5.0105"
                                          << QList<int>{741};
        // clang-format on
    }
    void tickDelays()
    {
        QFETCH(bool, timer);
        QFETCH(QString, steps);
        Replay replay;
        replay.play(timer, steps);
        QTEST(replay.delays, "delays");
    }

    void secondRunStartsAfresh()
    {
        Replay replay;
        replay.play(false, "start@0 lap@1 lap@2 stop@3 start@6 lap@7 lap@8");
        QCOMPARE(replay.rows.mid(6),
                 QStringList({"Chronomètre 2, départ à: 14:02:17|0:00:00:00|", "Temps intermédiaire  1:|0:00:01:00|",
                              "Temps intermédiaire  2:|0:00:02:00|+  0:00:01:00"}));
        QCOMPARE(replay.vg.no_de_intermediaire, 3);
    }
};

QTEST_GUILESS_MAIN(TestRunEngine)
#include "test_run_engine.moc"
