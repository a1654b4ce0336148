// The timekeeper's commands as sequences at clock times, checked against what a user sees: the rows, the display,
// the button Return presses next, the questions and the end of a countdown; the run taken up by the next program;
// the time formats.
#include "core/command_line.h"
#include "core/global_key.h"
#include "core/remote_control.h"
#include "core/run_journal.h"
#include "core/saved_list.h"
#include "core/settings.h"
#include "core/time_format.h"
#include "core/timekeeper.h"
#include "core/timer_preset.h"
#include "core/tray_tip.h"
#include "kept_lines.h"

#include <QJsonArray>
#include <QtTest>

namespace {
const QDateTime kWallStart(QDate(2026, 12, 6), QTime(14, 2, 11));
const QStringList kButtons{"Départ", "Intermédiaire", "Initialiser"};
const QStringList kStates{"idle", "running", "paused"};

QString rowText(const ListRow &row)
{
    return row.label + '|' + row.time + '|' + row.difference;
}

// What an outcome leaves to show and do, in words.
QString effects(const Outcome &o)
{
    QStringList said;
    const auto say = [&](bool when, const QString &what) { said << (when ? what : QString()); };
    say(!o.display.isEmpty(), "display " + o.display);
    say(!o.heading.isEmpty(), "heading " + o.heading.section(' ', -1));
    say(o.selectLastRow, "last row");
    say(o.clearComment, "comment used");
    say(bool(o.returnButton), "Return " + kButtons.value(int(o.returnButton.value_or(ReturnButton::Start))));
    say(o.dismissAlert, "alert dismissed");
    say(o.closeAlertQuestion, "question closed");
    say(o.askAlertMessage, "message asked");
    say(bool(o.countdownEnd), QString("%1 beeps, alert \"%2\"")
                                  .arg(o.countdownEnd.value_or(CountdownEnd()).beeps)
                                  .arg(o.countdownEnd.value_or(CountdownEnd()).message));
    say(!o.refusal.isEmpty(), "refused: " + o.refusal);
    said.removeAll(QString());
    return said.isEmpty() ? "-" : said.join(", ");
}

// Plays "command[:argument]@seconds ..." on the timekeeper, a line per command; readings start 10 s after the
// clock's origin.
QStringList play(Timekeeper &keeper, const QString &steps)
{
    QStringList lines;
    Settings &settings = keeper.settings();
    for (const QString &s : steps.split(' ')) {
        const QString name = s.section('@', 0, 0).section(':', 0, 0), argument = s.section('@', 0, 0).section(':', 1);
        const double t = s.section('@', 1).toDouble(), reading = (t + 10) * 1e6;
        const QDateTime now = kWallStart.addMSecs(qint64(t * 1000));
        Preferences values = settings.values();
        const Qt::KeyboardModifiers keys = (argument.contains("Ctrl") ? Qt::ControlModifier : Qt::NoModifier) |
                                           (argument.contains("Alt") ? Qt::AltModifier : Qt::NoModifier) |
                                           (argument.contains("Shift") ? Qt::ShiftModifier : Qt::NoModifier);
        Outcome o;
        if (name == "tick") {
            const Run::Tick tick = keeper.tick(reading);
            if (!tick.expired) {
                lines << QString("%1: %2, next in %3 ms").arg(s, tick.display).arg(tick.nextDelayMs);
                continue;
            }
            o = keeper.expire(now);
        } else if (name == "start" || name == "stop") {
            o = keeper.startOrStop(reading, now, argument);
        } else if (name == "pause" || name == "resume") {
            o = keeper.pauseOrResume(reading, now);
        } else if (name == "reset") {
            o = keeper.reset(reading, now);
        } else if (name == "anywhere") { // the key that takes a lap from anywhere
            o = keeper.pressLapKey(reading, now, argument);
        } else if (name == "lap") {
            o = keeper.lap(reading, argument);
        } else if (name == "up" || name == "down") { // a step in seconds, or a click with keys held
            o = keeper.stepPreset(name == "up" ? 1 : -1,
                                  argument.toLongLong() ? argument.toLongLong() : TimerPreset::clickStep(keys));
        } else if (name == "key") { // a key on the arrows by its name in Qt::Key, with Shift+ before
            const QByteArray key = "Key_" + argument.section('+', -1).toLatin1();
            const qint64 step = TimerPreset::keyStep(QMetaEnum::fromType<Qt::Key>().keyToValue(key), keys);
            o = step ? keeper.stepPreset(step > 0 ? 1 : -1, std::abs(step)) : Outcome{.refusal = "no step"};
        } else if (name == "timer" || name == "chrono") {
            o = keeper.setMode(name == "timer" ? RunMode::Timer : RunMode::Chronometre);
        } else if (name == "ask" || name == "message" || name == "label" || name == "preset") {
            values.askMessage = values.askMessage || name == "ask";
            values.alertMessage = name == "message" ? argument : values.alertMessage;
            values.lapLabel = name == "label" ? argument : values.lapLabel;
            values.preset = name == "preset" ? argument.toLongLong() : values.preset;
            values.timerMode = values.timerMode || name == "preset";
            settings.set(values);
            o = keeper.restore();
        } else {
            qFatal("no command %s", qPrintable(name));
        }
        lines << s + ": " + effects(o);
    }
    return lines;
}
} // namespace

class TestTimekeeper : public QObject {
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

    // A state (0 idle, 1 running, 2 paused), whether the window is in sight, and the display.
    void trayTips()
    {
        KeptLines::check(QFINDTESTDATA("tray_tips.txt"), [&](const QString &input, QStringList &made) {
            made << TrayTip::text(RunState(input.section(' ', 0, 0).toInt()), input.section(' ', 2),
                                  input.section(' ', 1, 1) == "1");
        });
    }

    // Keys as modifiers and a name in Qt::Key; tests/core/global_keys.txt keeps the X modifier masks grabbed, the
    // keysym, whether a press with both locks on is the chord and one with Shift changed is not, and the portal's
    // trigger.
    void globalKeys()
    {
        KeptLines::check(QFINDTESTDATA("global_keys.txt"), [&](const QString &input, QStringList &made) {
            Qt::KeyboardModifiers modifiers;
            for (const auto &[name, modifier] : {std::pair{"Ctrl+", Qt::ControlModifier},
                                                 {"Alt+", Qt::AltModifier},
                                                 {"Shift+", Qt::ShiftModifier},
                                                 {"Meta+", Qt::MetaModifier}})
                modifiers.setFlag(modifier, input.contains(name));
            const QByteArray name = "Key_" + input.section('+', -1).toLatin1();
            const QKeyCombination key(modifiers, Qt::Key(QMetaEnum::fromType<Qt::Key>().keyToValue(name)));
            QStringList masks;
            for (const quint16 mask : GlobalKey::grabMasks(modifiers))
                masks << QString::number(mask, 16);
            const quint16 chord = GlobalKey::chordMask(modifiers);
            made << QString("grab %1 | keysym %2 | locks %3, Shift %4 | trigger %5")
                        .arg(masks.join(','), QString::number(GlobalKey::keysym(key.key()), 16))
                        .arg(GlobalKey::holdsChord(chord | GlobalKey::Lock | GlobalKey::Mod2, modifiers))
                        .arg(GlobalKey::holdsChord(chord ^ GlobalKey::Shift, modifiers))
                        .arg(GlobalKey::portalTrigger(key));
        });
    }

    // Sequences of commands; tests/core/runs.txt keeps, for each, what each command leaves to show and do, the rows
    // added, then the run as it ends (its state, the next run's and lap's numbers) and the preset the settings keep.
    void runs()
    {
        KeptLines::check(QFINDTESTDATA("runs.txt"), [&](const QString &input, QStringList &made) {
            Settings settings;
            Timekeeper keeper(settings);
            keeper.restore();
            QSignalSpy changed(&keeper, &Timekeeper::runChanged);
            made << play(keeper, input);
            for (qsizetype row = 0; row < keeper.list().rowCount(); ++row)
                made << rowText(keeper.list().row(int(row)));
            const Run &run = keeper.run();
            made << KeptLines::filled("-> %1, run %2, lap %3, %4 changes of the run; preset %5 (settings %6, %7 mode)",
                                      kStates[int(run.state())], run.runNumber(), run.lapNumber(), changed.size(),
                                      run.preset(), settings.values().preset,
                                      settings.values().timerMode ? "timer" : "chrono");
        });
    }

    // A run taken up by the next program: on the same clock within one boot, by the wall clock after a reboot.
    // Each case gives the commands played, saved 5 s after the last, then the boot and the seconds since the first
    // command on the wall clock; tests/core/recovery.txt keeps what comes back.
    void recovery()
    {
        QVERIFY(!RunJournal::recover({"?", "boot-1", 0, kWallStart}, "boot-1", 0, kWallStart));
        QVERIFY(!RunJournal::read("h {course x}\n") && !RunJournal::read("h\n"));
        QVERIFY(!Run::load(Run().save().chopped(1)) && !Run::load(Run().save() + 'x') && !Run::load("\x02"));
        // A run's line typed in the comment is the user's text, not the run.
        const QString typed = QString::fromLatin1(RunJournal::line({Run().save(), "boot-2", 2, {}})).trimmed();
        const std::optional<SavedRun> header = RunJournal::read(
            SavedList::write(RunJournal::header("h", {Run().save(), "boot-1", 1, {}}), "x\n" + typed, {}));
        QVERIFY(header && header->boot == "boot-1");
        KeptLines::check(QFINDTESTDATA("recovery.txt"), [&](const QString &input, QStringList &made) {
            const QString steps = input.section(" | ", 0, 0), now = input.section(" | ", 1);
            Settings settings;
            Timekeeper keeper(settings);
            keeper.restore();
            play(keeper, steps);
            const double last = steps.section('@', -1).toDouble() + 5;
            const SavedRun saved{keeper.run().save(), "boot-1", (last + 10) * 1e6,
                                 kWallStart.addMSecs(qint64(last * 1000))};
            // The state rides on a line of its own after rows added to the copy; the newest is the one read.
            const QByteArray copy = SavedList::write(RunJournal::header("h", {Run().save(), "", 0, {}}), "", {}) +
                                    "a\tb\tc\n" + RunJournal::line(saved);
            const std::optional<Run> loaded = Run::load(saved.run); // the same run, in a short line
            QVERIFY(loaded && loaded->save() == saved.run && saved.run.size() < 100);
            const std::optional<SavedRun> kept = RunJournal::read(copy);
            QVERIFY(kept && kept->run == saved.run && kept->boot == saved.boot && kept->reading == saved.reading &&
                    kept->wall == saved.wall);
            // After a reboot the clock starts again from nothing.
            const double seconds = now.section(' ', 1).toDouble(),
                         reading = now.startsWith("boot-1") ? seconds + 10 : 2;
            const std::optional<RunJournal::Recovered> back = RunJournal::recover(
                *kept, now.section(' ', 0, 0).toLatin1(), reading * 1e6, kWallStart.addMSecs(qint64(seconds * 1000)));
            QVERIFY(back);
            QStringList stopRows;
            for (const ListRow &row : back->stopRows)
                stopRows << rowText(row);
            made << KeptLines::filled("%1, display %2, run %3, lap %4", kStates[int(back->run.state())], back->display,
                                      back->run.runNumber(), back->run.lapNumber()) +
                        (back->endedAt ? ", ended at " + back->endedAt->toString("HH:mm:ss.zzz") : "") +
                        (stopRows.isEmpty() ? "" : ", stopped: " + stopRows.join(' '));
            Timekeeper next(settings); // taken up by the next program's timekeeper
            made << "taken up: " + effects(next.takeUp(*back));
        });
    }

    // Requests from the command line, "T op[:argument]" read at T seconds, each taken ~A seconds before, on another
    // boot (!) or while a question waits (?), or a line as it comes; " ; " between them. tests/core/requests.txt
    // keeps each answer, what the windows are given to show, and the rows.
    void requests()
    {
        KeptLines::check(QFINDTESTDATA("requests.txt"), [&](const QString &input, QStringList &made) {
            Settings settings;
            Timekeeper keeper(settings);
            keeper.restore();
            RemoteControl control(keeper);
            QSignalSpy shown(&control, &RemoteControl::showRequested);
            connect(&keeper, &Timekeeper::applied, &control, [&](const Outcome &o) { made << "  " + effects(o); });
            for (const QString &step : input.split(" ; ")) {
                const double t = step.section(' ', 0, 0).toDouble();
                QString line = step.section(' ', 1);
                const QString name = line.section(QRegularExpression("[:~!?]"), 0, 0);
                const QString argument = line.section(':', 1).section(QRegularExpression("[~!?]"), 0, 0);
                const double age =
                    line.contains('~') ? line.section('~', 1).section(QRegularExpression("[!?]"), 0, 0).toDouble() : 0;
                const QStringList names{"show", "start", "stop", "pause",  "resume",
                                        "lap",  "reset", "mode", "preset", "status"};
                const RemoteProtocol::Request request{RemoteProtocol::Operation(names.indexOf(name)), argument,
                                                      line.contains('!') ? "boot-2" : "boot-1",
                                                      qint64((t + 10 - age) * 1e6)};
                made << step + " -> " +
                            control.answer(
                                names.contains(name) ? RemoteProtocol::encode(request) : line.toUtf8(),
                                {(t + 10) * 1e6, "boot-1", kWallStart.addMSecs(qint64(t * 1000)), line.contains('?')});
            }
            for (qsizetype row = 0; row < keeper.list().rowCount(); ++row)
                made << rowText(keeper.list().row(int(row)));
            made << QString("window shown %1 times").arg(shown.size());
        });
    }

    // Command lines, arguments between |; tests/core/command_lines.txt keeps what each asks for, and what it
    // prints and returns when no program runs, when one refuses, and when one does it.
    void commandLines()
    {
        KeptLines::check(QFINDTESTDATA("command_lines.txt"), [&](const QString &input, QStringList &made) {
            using Kind = CommandLine::Invocation::Kind;
            const CommandLine::Invocation call = CommandLine::parse(("veltiming|" + input).split('|'));
            const QStringList kinds{"program", "help", "version", "command", "mistake"};
            made << KeptLines::filled("%1 %2 [%3]%4 %5", kinds[int(call.kind)], int(call.request.operation),
                                      call.request.argument, call.json ? " json" : "", call.mistake);
            if (call.kind != Kind::Command)
                return;
            const QJsonObject status{{"mode", "chrono"},
                                     {"state", "running"},
                                     {"display", "0:00:05:00"},
                                     {"rows", 2},
                                     {"last", QJsonArray{"Temps intermédiaire  1:", "0:00:05:20", ""}}};
            for (const std::optional<RemoteProtocol::Answer> &answer :
                 {std::optional<RemoteProtocol::Answer>(),
                  {{false, "Aucune course n'est en marche.", status}},
                  {{true, {}, status}}}) {
                for (bool started : {false, true}) {
                    const CommandLine::Report r = CommandLine::report(call, answer, started);
                    made << KeptLines::filled("  %1 [%2] [%3]", r.status, r.out, r.err);
                }
            }
        });
    }
};

QTEST_GUILESS_MAIN(TestTimekeeper)
#include "test_timekeeper.moc"
