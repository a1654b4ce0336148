// The run as sequences of operations at clock times, checked against the rows,
// the display and the numbers a user would see; and the time formats.
#include "core/run.h"
#include "core/run_journal.h"
#include "core/saved_list.h"
#include "core/time_format.h"

#include <QtTest>

namespace {
const QStringList kEnd{"--------------------------------------||", "||"};
const QDateTime kWallStart(QDate(2026, 12, 6), QTime(14, 2, 11));

struct Played {
    QStringList rows;
    QString display = "0:00:00:00";
    QList<int> delays; // armed by each tick that does not expire
    QStringList headings;
    QStringList flags; // per step: s when it selects the last row, c when it empties the comment, - for neither
};

// Plays "operation[:comment]@seconds ..."; readings start 10 s after the clock's origin.
Played play(Run &run, const QString &steps)
{
    Played played;
    for (const QString &s : steps.split(' ')) {
        const QString name = s.section('@', 0, 0).section(':', 0, 0), comment = s.section('@', 0, 0).section(':', 1);
        const double t = s.section('@', 1).toDouble(), reading = (t + 10) * 1e6;
        const QDateTime now = kWallStart.addMSecs(qint64(t * 1000));
        RunStep step;
        if (name == "tick") {
            const Run::Tick tick = run.tick(reading);
            if (tick.expired)
                step = run.expire(now);
            else
                played.display = tick.display, played.delays << tick.nextDelayMs;
        } else if (name == "start") {
            step = run.start(reading, reading, now, comment);
        } else if (name == "stop") {
            step = run.stop(reading, reading, now, comment);
        } else if (name == "pause") {
            step = run.pause(reading, now);
        } else if (name == "resume") {
            step = run.resume(reading, now);
        } else if (name == "reset") {
            step = run.reset(reading, now);
        } else if (name == "lap") {
            step = run.lap(reading, comment, "Temps intermédiaire ");
        } else if (name == "preset") {
            step.display = run.stepPreset(comment.toInt() > 0 ? 1 : -1, qAbs(comment.toInt())).display;
        } else if (name == "timer" || name == "chrono") {
            step = run.setMode(name == "timer" ? RunMode::Timer : RunMode::Chronometre);
        }
        for (const ListRow &row : step.rows)
            played.rows << row.label + '|' + row.time + '|' + row.difference;
        if (!step.display.isEmpty())
            played.display = step.display;
        if (!step.heading.isEmpty())
            played.headings << step.heading.right(2).trimmed();
        played.flags << (step.selectLast || step.commentUsed
                             ? QString(step.selectLast ? "s" : "") + (step.commentUsed ? "c" : "")
                             : "-");
    }
    return played;
}
} // namespace

class TestRun : public QObject {
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
        QTEST(TimeFormat::differenceText(seconds), "difference");
    }

    void runs_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("after"); // state, run and lap numbers, headings' ends, flags of each step
        const QString start = "Chronomètre 1, départ à: 14:02:11|0:00:00:00|",
                      countdown = "Temps de départ 1:|0:05:00:00|";
        // clang-format off
        QTest::newRow("stopwatch") << "start@0 tick@0.01 tick@61.51 stop@62.52"
            << QStringList{start, "Chronomètre 1, temps final:|0:01:02:52|+  0:01:02:52"} + kEnd << "0:01:02:52" << "0 2 1 1 rt|s - - sc";
        QTest::newRow("comments label the rows") << "start:Course@0 lap:Virage@1 stop:Arrivée@2"
            << QStringList{"1: Course|0:00:00:00|", "1: Virage|0:00:01:00|", "1: Arrivée|0:00:02:00|+  0:00:01:00"} + kEnd << "0:00:02:00" << "0 2 2 1 2 rt|sc sc sc";
        QTest::newRow("laps") << "start@0 lap@12.5 lap:Virage@20 lap@30.25 stop@40"
            << QStringList{start, "Temps intermédiaire  1:|0:00:12:50|", "2: Virage|0:00:20:00|+  0:00:07:50",
                           "Temps intermédiaire  3:|0:00:30:25|+  0:00:10:25", "Chronomètre 1, temps final:|0:00:40:00|+  0:00:09:75"} + kEnd
            << "0:00:40:00" << "0 2 4 1 2 3 4 rt|s sc sc sc sc";
        QTest::newRow("pauses add up") << "start@0 pause@10 resume@110 pause@120 resume@220 pause@230 resume@330 stop@330.5"
            << QStringList{start, "Chronomètre mis en pause à 14:02:21||", "Chronomètre remis en marche à 14:04:01||",
                           "Chronomètre mis en pause à 14:04:11||", "Chronomètre remis en marche à 14:05:51||",
                           "Chronomètre mis en pause à 14:06:01||", "Chronomètre remis en marche à 14:07:41||",
                           "Chronomètre 1, temps final:|0:00:30:50|+  0:05:30:50"} + kEnd << "0:00:30:50" << "0 2 1 1 rt|s s s s s s s sc";
        QTest::newRow("paused") << "start@0 tick@5 pause@12.34" << QStringList{start, "Chronomètre mis en pause à 14:02:23||"}
            << "0:00:12:34" << "2 1 1 1|s - s";
        QTest::newRow("stop while paused") << "start@0 pause@10 stop@110"
            << QStringList{start, "Chronomètre mis en pause à 14:02:21||", "Chronomètre 1, temps final:|0:00:10:00|+  0:01:50:00"} + kEnd
            << "0:00:10:00" << "0 2 1 1 rt|s s sc";
        QTest::newRow("reset") << "start@0 tick@5 reset@5.25" << QStringList{start, "Décompte initialisé à 14:02:16|0:00:05:25|"} + kEnd
            << "0:00:00:00" << "0 2 1 1 rt|s - sc";
        QTest::newRow("reset while idle") << "reset@5" << QStringList{} << "0:00:00:00" << "0 1 1 rt|c";
        QTest::newRow("reset while paused") << "start@0 pause@10 reset@110"
            << QStringList{start, "Chronomètre mis en pause à 14:02:21||", "Décompte initialisé à 14:04:01|0:00:10:00|"} + kEnd
            << "0:00:00:00" << "0 2 1 1 rt|s s sc";
        QTest::newRow("a second run starts afresh") << "start@0 lap@1 stop@3 start@6 lap@7 lap@8"
            << QStringList{start, "Temps intermédiaire  1:|0:00:01:00|", "Chronomètre 1, temps final:|0:00:03:00|+  0:00:02:00"} + kEnd +
               QStringList{"Chronomètre 2, départ à: 14:02:17|0:00:00:00|", "Temps intermédiaire  1:|0:00:01:00|", "Temps intermédiaire  2:|0:00:02:00|+  0:00:01:00"}
            << "0:00:03:00" << "1 2 3 1 2 rt 1 2 3|s sc sc s sc sc";
        QTest::newRow("countdown stopped") << "timer@0 start@0 tick@0.01 tick@107.5 stop@107.5"
            << QStringList{countdown, "Timer stoppé à 14:03:58|0:03:12:50|"} + kEnd << "0:03:12:50" << "0 2 1 1 rt|- s - - s";
        QTest::newRow("countdown from a refused step") << "timer@0 preset:-400@0 start@0 tick@0.01"
            << QStringList{countdown} << "0:00:04:00" << "1 2 1 1|- - s -";
        QTest::newRow("countdown with a comment") << "timer@0 start:Four@0 tick@0.01" << QStringList{"1: Four||"} << "0:04:59:00" << "1 2 1 1|- c -";
        QTest::newRow("expiry") << "timer@0 start@0 tick@298.005 tick@299.005 tick@299.015"
            << QStringList{countdown, "Timer 2, temps écoulé à  14:07:10||"} + kEnd << "0:00:00:00" << "0 2 1 1|- s - - s";
        QTest::newRow("late tick expires at once") << "timer@0 start@0 tick@10 tick@410"
            << QStringList{countdown, "Timer 2, temps écoulé à  14:09:01||"} + kEnd << "0:00:00:00" << "0 2 1 1|- s - s";
        QTest::newRow("countdown paused expires") << "timer@0 start@0 pause@50 resume@650 tick@650.01 tick@899.01 tick@900.005"
            << QStringList{countdown, "Timer mis en pause à 14:03:01||", "Timer  remis en marche à 14:13:01||", "Timer 2, temps écoulé à  14:17:11||"} + kEnd
            << "0:00:00:00" << "0 2 1 1|- s s s - - s";
        QTest::newRow("countdown stopped while paused") << "timer@0 start@0 pause@10 stop@110"
            << QStringList{countdown, "Timer mis en pause à 14:02:21||", "Timer stoppé à 14:04:01|0:04:50:00|"} + kEnd << "0:04:50:00" << "0 2 1 1 rt|- s s s";
        QTest::newRow("countdown reset") << "timer@0 start@0 tick@20 reset@20.5"
            << QStringList{countdown, "Décompte initialisé à 14:02:31|0:04:39:50|+  0:00:20:50"} + kEnd << "0:05:00:00" << "0 3 1 1 rt|- s - sc";
        QTest::newRow("countdown reset while paused") << "timer@0 start@0 pause@10 reset@110"
            << QStringList{countdown, "Timer mis en pause à 14:02:21||", "Décompte initialisé à 14:04:01|0:04:50:00|+  0:01:50:00"} + kEnd
            << "0:05:00:00" << "0 3 1 1 rt|- s s sc";
        // clang-format on
    }
    void runs()
    {
        QFETCH(QString, steps);
        Run run;
        run.restore(RunMode::Chronometre, 300);
        const Played played = play(run, steps);
        QTEST(played.rows, "rows");
        QTEST(played.display, "display");
        QTEST(QStringLiteral("%1 %2 %3 %4|%5")
                  .arg(int(run.state()))
                  .arg(run.runNumber())
                  .arg(run.lapNumber())
                  .arg(played.headings.join(' '), played.flags.join(' ')),
              "after");
    }

    // Each tick aims just after the shown second changes; half milliseconds
    // keep the expected values clear of rounding.
    void tickDelays_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("delays");
        // clang-format off
        QTest::newRow("stopwatch") << "start@0 tick@0.0105 tick@1.0005 tick@3725.3755" << QList<int>{991, 1001, 626};
        QTest::newRow("pause") << "start@0 tick@0.0105 pause@0.5 resume@10.5 tick@10.5105" << QList<int>{991, 491};
        QTest::newRow("countdown") << "timer@0 start@0 tick@0.0105 tick@0.9995 tick@298.5005 tick@299.0015" << QList<int>{991, 2, 501, 10};
        QTest::newRow("countdown paused") << "timer@0 start@0 pause@0.25 resume@5 tick@5.0105" << QList<int>{741};
        // clang-format on
    }
    void tickDelays()
    {
        QFETCH(QString, steps);
        Run run;
        run.restore(RunMode::Chronometre, 300);
        QTEST(play(run, steps).delays, "delays");
    }

    void presets_data()
    {
        QTest::addColumn<QString>("steps"); // from, then each step: u or d and its size; m to Chronomètre, t to Timer
        QTest::addColumn<QString>("outcome"); // current and remembered preset, display, refusal of the last step
        const QString max = "Le temps maximum pour le timer est 999 heures!",
                      min = "Le temps minimum pour le timer est  5 secondes!";
        // clang-format off
        QTest::newRow("up a second") << "300 u1" << "301 301 0:05:01:00 ";
        QTest::newRow("down an hour") << "7300 d3600" << "3700 3700 1:01:40:00 ";
        QTest::newRow("up onto the maximum") << "3596399 u1" << "3596400 3596400 999:00:00:00 ";
        QTest::newRow("past the maximum") << "3593000 u3600" << "3596400 3593000 999:00:00:00 " + max;
        QTest::newRow("onto the minimum") << "6 d1" << "5 5 0:00:05:00 ";
        QTest::newRow("past the minimum") << "64 d60" << "5 64 0:00:05:00 " + min;
        QTest::newRow("Timer takes the remembered") << "64 d60 m t" << "64 64 0:01:04:00 ";
        QTest::newRow("Timer after a reset to zero") << "0 t" << "300 300 0:05:00:00 ";
        QTest::newRow("Chronomètre shows zero") << "600 m" << "600 600 0:00:00:00 ";
        // clang-format on
    }
    void presets()
    {
        QFETCH(QString, steps);
        Run run;
        QStringList parts = steps.split(' ');
        QString display = run.restore(RunMode::Timer, parts.takeFirst().toLongLong()), refusal;
        for (const QString &part : parts) {
            if (part == "m" || part == "t") {
                display = run.setMode(part == "t" ? RunMode::Timer : RunMode::Chronometre).display, refusal.clear();
                continue;
            }
            const Run::PresetStep step = run.stepPreset(part[0] == 'u' ? 1 : -1, part.mid(1).toLongLong());
            display = step.display, refusal = step.refusal;
        }
        QTEST(QStringLiteral("%1 %2 %3 %4").arg(run.preset()).arg(run.rememberedPreset()).arg(display, refusal),
              "outcome");
    }

    // A run taken up by the next program: on the same clock within one boot, by the wall clock after a reboot.
    void recovery_data()
    {
        QTest::addColumn<QString>("steps"); // played, then saved 5 s after the last
        QTest::addColumn<QString>("now");   // boot, then seconds since the first step on the wall clock
        QTest::addColumn<QString>("back");  // state, display, when a countdown ended, rows of a stop
        // clang-format off
        QTest::newRow("running, same boot") << "start@0 lap@3" << "boot-1 65" << "1 0:01:05:00  ";
        QTest::newRow("paused, same boot") << "start@0 pause@12.34" << "boot-1 600" << "2 0:00:12:34  ";
        QTest::newRow("idle, same boot") << "timer@0 start@0 stop@4" << "boot-1 600" << "0 0:05:00:00  ";
        QTest::newRow("countdown, same boot") << "timer@0 start@0" << "boot-1 100" << "1 0:03:20:00  ";
        QTest::newRow("countdown ended, same boot") << "timer@0 start@0" << "boot-1 400" << "1  14:07:10.010 ";
        QTest::newRow("paused countdown") << "timer@0 start@0 pause@100" << "boot-1 4000" << "2 0:03:20:00  ";
        QTest::newRow("running, rebooted") << "start@0" << "boot-2 65" << "1 0:01:05:00  ";
        QTest::newRow("countdown ended, rebooted") << "timer@0 start@0" << "boot-2 400" << "1  14:07:10.010 ";
        QTest::newRow("clock went back across a reboot") << "start@0 lap@3" << "boot-2 -600"
            << "0 0:00:08:00  Chronomètre 1, temps final:|0:00:08:00|+  0:00:05:00 --------------------------------------|| ||";
        QTest::newRow("countdown, clock went back") << "timer@0 start@0" << "boot-2 -1"
            << "0 0:04:55:00  Timer stoppé à 14:02:16|0:04:55:00| --------------------------------------|| ||";
        // clang-format on
    }
    void recovery()
    {
        QFETCH(QString, steps);
        QFETCH(QString, now);
        Run run;
        run.restore(RunMode::Chronometre, 300);
        play(run, steps);
        const double last = steps.section('@', -1).toDouble() + 5;
        const SavedRun saved{run.save(), "boot-1", (last + 10) * 1e6, kWallStart.addMSecs(qint64(last * 1000))};
        const std::optional<SavedRun> kept = RunJournal::read(SavedList::write(RunJournal::header("h", saved), "", {}));
        QVERIFY(kept && kept->run == saved.run && kept->boot == saved.boot && kept->reading == saved.reading &&
                kept->wall == saved.wall && !RunJournal::read("h {course x}\n") && !RunJournal::read("h\n"));
        // After a reboot the clock starts again from nothing.
        const double seconds = now.section(' ', 1).toDouble(), reading = now.startsWith("boot-1") ? seconds + 10 : 2;
        const std::optional<RunJournal::Recovered> back = RunJournal::recover(
            *kept, now.section(' ', 0, 0).toLatin1(), reading * 1e6, kWallStart.addMSecs(qint64(seconds * 1000)));
        QVERIFY(back);
        QStringList rows;
        for (const ListRow &row : back->stopRows)
            rows << row.label + '|' + row.time + '|' + row.difference;
        QTEST(QStringLiteral("%1 %2 %3 %4")
                  .arg(int(back->run.state()))
                  .arg(back->display, back->endedAt ? back->endedAt->toString("HH:mm:ss.zzz") : QString(),
                       rows.join(' ')),
              "back");
        QVERIFY(!RunJournal::recover({"?", "boot-1", 0, kWallStart}, "boot-1", 0, kWallStart));
    }

    // A run written to bytes reads back the same, in every state; other bytes read as nothing.
    void savedAndRead()
    {
        Run run;
        run.restore(RunMode::Timer, 90);
        for (const char *steps : {"start@0 lap@1", "pause@2", "resume@3 lap@4 stop@5"}) {
            play(run, steps);
            std::optional<Run> back = Run::load(run.save());
            QVERIFY(back && back->save() == run.save());
            QCOMPARE(play(*back, "lap@9 reset@10").rows, play(run, "lap@9 reset@10").rows);
        }
        QVERIFY(run.save().size() < 100);
        QVERIFY(!Run::load(run.save().chopped(1)) && !Run::load(run.save() + 'x') && !Run::load("\x02"));
    }
};

QTEST_GUILESS_MAIN(TestRun)
#include "test_run.moc"
