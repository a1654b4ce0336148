// The run as sequences of operations at clock times, checked against the rows,
// the display and the numbers a user would see; and the time formats.
#include "core/run.h"
#include "core/run_journal.h"
#include "core/saved_list.h"
#include "core/time_format.h"
#include "kept_lines.h"

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
    QString refusal;   // of the last step of the preset
};

// Plays "operation[:argument]@seconds ..."; readings start 10 s after the clock's origin.
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
            step = run.start(reading, now, comment);
        } else if (name == "stop") {
            step = run.stop(reading, now, comment);
        } else if (name == "pause") {
            step = run.pause(reading, now);
        } else if (name == "resume") {
            step = run.resume(reading, now);
        } else if (name == "reset") {
            step = run.reset(reading, now);
        } else if (name == "lap") {
            step = run.lap(reading, comment, "Temps intermédiaire ");
        } else if (name == "up" || name == "down") {
            const Run::PresetStep preset = run.stepPreset(name == "up" ? 1 : -1, comment.toLongLong());
            step.display = preset.display, played.refusal = preset.refusal;
        } else if (name == "restore") {
            step.display = run.restore(RunMode::Timer, comment.toLongLong());
        } else if (name == "timer" || name == "chrono") {
            step = run.setMode(name == "timer" ? RunMode::Timer : RunMode::Chronometre);
            played.refusal.clear();
        } else {
            qFatal("no operation %s", qPrintable(name));
        }
        for (const ListRow &row : step.rows)
            played.rows << row.label + '|' + row.time + '|' + row.difference;
        if (!step.display.isEmpty())
            played.display = step.display;
        if (!step.heading.isEmpty())
            played.headings << step.heading.section(' ', -1);
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
    // Each case gives seconds, or a difference of two; tests/core/formats.txt keeps the display, the preset and
    // the difference shown for them.
    void formats()
    {
        KeptLines::check(QFINDTESTDATA("formats.txt"), [&](const QString &input, QStringList &made) {
            const double seconds = input.section(" - ", 0, 0).toDouble() - input.section(" - ", 1).toDouble();
            made << TimeFormat::displayTime(seconds) + " | " + TimeFormat::presetTime(seconds) + " | " +
                        TimeFormat::differenceText(seconds);
        });
    }

    // Sequences of operations, each with the rows it adds and what it leaves: the display; the state, run
    // and lap numbers; the headings; per operation, whether it selects the last row (s) and empties the comment
    // (c); the delays the ticks aim at; the presets and a step's refusal. tests/core/runs.txt keeps them.
    void runs()
    {
        KeptLines::check(QFINDTESTDATA("runs.txt"), [&](const QString &input, QStringList &made) {
            Run run;
            run.restore(RunMode::Chronometre, 300);
            const Played p = play(run, input);
            QStringList delays;
            for (const int delay : p.delays)
                delays << QString::number(delay);
            made << p.rows
                 << QString("-> %1 | %2 %3 %4 | %5 | %6 | %7 | %8/%9 %10")
                        .arg(p.display)
                        .arg(int(run.state()))
                        .arg(run.runNumber())
                        .arg(run.lapNumber())
                        .arg(p.headings.join(' '), p.flags.join(' '), delays.join(' '))
                        .arg(run.preset())
                        .arg(run.rememberedPreset())
                        .arg(p.refusal);
        });
    }

    // A run taken up by the next program: on the same clock within one boot, by the wall clock after a reboot.
    // Each case gives the steps played, saved 5 s after the last, then the boot and the seconds since the first
    // step on the wall clock; tests/core/recovery.txt keeps the state, the display, when a countdown ended, and
    // the rows of a stop.
    void recovery()
    {
        QVERIFY(!RunJournal::recover({"?", "boot-1", 0, kWallStart}, "boot-1", 0, kWallStart));
        QVERIFY(!RunJournal::read("h {course x}\n") && !RunJournal::read("h\n"));
        KeptLines::check(QFINDTESTDATA("recovery.txt"), [&](const QString &input, QStringList &made) {
            const QString steps = input.section(" | ", 0, 0), now = input.section(" | ", 1);
            Run run;
            run.restore(RunMode::Chronometre, 300);
            play(run, steps);
            const double last = steps.section('@', -1).toDouble() + 5;
            const SavedRun saved{run.save(), "boot-1", (last + 10) * 1e6, kWallStart.addMSecs(qint64(last * 1000))};
            const std::optional<SavedRun> kept =
                RunJournal::read(SavedList::write(RunJournal::header("h", saved), "", {}));
            QVERIFY(kept && kept->run == saved.run && kept->boot == saved.boot && kept->reading == saved.reading &&
                    kept->wall == saved.wall);
            // After a reboot the clock starts again from nothing.
            const double seconds = now.section(' ', 1).toDouble(),
                         reading = now.startsWith("boot-1") ? seconds + 10 : 2;
            const std::optional<RunJournal::Recovered> back = RunJournal::recover(
                *kept, now.section(' ', 0, 0).toLatin1(), reading * 1e6, kWallStart.addMSecs(qint64(seconds * 1000)));
            QVERIFY(back);
            QStringList rows;
            for (const ListRow &row : back->stopRows)
                rows << row.label + '|' + row.time + '|' + row.difference;
            made << QStringLiteral("%1 %2 [%3] %4")
                        .arg(int(back->run.state()))
                        .arg(back->display, back->endedAt ? back->endedAt->toString("HH:mm:ss.zzz") : QString(),
                             rows.join(' '))
                        .trimmed();
        });
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
