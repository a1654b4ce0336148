// Saving, quitting, opening and printing, and the copy of the list in progress: kept, removed, offered back, and
// written when the system ends the program.
#include "core/run_journal.h"
#include "core/saved_list.h"
#include "core/timekeeper.h"
#include "documents/list_copy.h"
#include "kept_lines.h"
#include "platform/whole_file.h"
#include "program_fixture.h"
#include "settings/preferences_file.h"
#include "widgets/lap_list_view.h"
#include "widgets/warning_line.h"

#include <QPrinter>
#include <QtWidgets>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {
// The list threeRows() makes, saved at 14:05.
QByteArray document(const QString &comment)
{
    return ("Tableau de chronométrage créé le 06/12/2026 à 14:05 par VelTiming.\n" + QString(61, u'-') + '\n' +
            comment + '\n' + QString(62, u'-') + "\nChronomètre 1, départ à: 14:02:11\t0:00:00:00\t\n" +
            "Temps intermédiaire  1:\t0:01:05:37\t\nChronomètre 1, temps final:\t0:02:10:75\t+  0:01:05:38\n" +
            QString(38, u'-') + "\t\t\n\t\t\n")
        .toUtf8();
}

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "<missing>";
}

const QByteArray kEarlier = SavedList::write("h", "Course", {{"Départ", "0:00:00:00", ""}, {"Tour", "0:01:00:00", ""}});

// A copy whose run started at `started` of the wall clock and 100 s of the monotonic one before the program.
QByteArray earlierRun(RunMode mode, const QByteArray &boot = "boot-1", const QTime &started = QTime(14, 0, 31))
{
    Run run;
    run.restore(mode, 60);
    const QDateTime then(QDate(2026, 12, 6), started);
    LapRows rows;
    rows.append(run.start(-100e6, then, {}).rows);
    return SavedList::write(RunJournal::header("h", {run.save(), boot, -100e6, then}), "Course", rows);
}

// The copies an earlier program may leave, by the names the kept files give them.
QByteArray earlierCopy(const QString &name)
{
    const QHash<QString, QByteArray> copies{
        {"earlier", kEarlier},
        {"truncated", kEarlier.chopped(12)},
        {"garbled", "h\n-\n\xff\xfe\t\x01\n"},
        {"no-rows", "h\n-\nrien\n"},
        {"idle-run", SavedList::write(RunJournal::header("h", {Run().save(), "boot-1", 0, {}}), "", {})},
        {"run", earlierRun(RunMode::Chronometre)},
        {"countdown", earlierRun(RunMode::Timer)},
        {"clock-gone-back", earlierRun(RunMode::Chronometre, "boot-0", QTime(14, 5))}};
    return copies.value(name);
}

QString labels(const LapRows &rows)
{
    QStringList labels;
    for (qsizetype row = 0; row < rows.size(); ++row)
        labels << rows.cell(row, 0);
    return labels.join('|');
}
} // namespace

class TestDocuments : public QObject {
    Q_OBJECT
    ProgramFixture program;
    std::unique_ptr<QTemporaryDir> folder;
    ListCopy &copy() { return *program.application().copy(); }
    LapList &laps() { return program.timekeeper().model(); }
    QString path(const QString &name) const { return name.isEmpty() ? name : QDir(folder->path()).filePath(name); }
    QString journal() const { return folder->filePath("Liste en cours"); }

    // Starts with an earlier copy (none when empty) and no other, then the program.
    void start(const QByteArray &earlier, const QString &answers = {}, bool running = true)
    {
        program.stop(); // and its copy, whose last writes could come after the file below
        QDir(journal()).removeRecursively();
        for (const QString &name : QDir(folder->path()).entryList({"Liste en cours*"}, QDir::Files))
            QFile::remove(folder->filePath(name));
        QVERIFY(earlier.isEmpty() || WholeFile::write(journal(), earlier).isEmpty());
        launch(answers, running);
    }
    // Starts the program on the folder with the answers to its questions (signal: one comes while a question
    // waits), and a run started while the welcome shows when `running`; a comment is typed meanwhile when a copy
    // is offered back.
    void launch(const QString &answers, bool running)
    {
        program.start([&](FakePlatform &p) {
            p.data = p.preferences = folder->path();
            for (const QString &button : answers.split(' ', Qt::SkipEmptyParts)) {
                program.answer(button == "signal" ? int(ProgramFixture::kSignal) : button.left(1).toInt(), "Fin");
                if (button.endsWith('!')) // the copy's file becomes a folder while the question waits
                    program.platform.dialogScripts.last() =
                        [this, answer = program.platform.dialogScripts.last()](QDialog &d) {
                            QVERIFY(QFile::remove(journal()) && QDir().mkpath(journal() + "/x"));
                            answer(d);
                        };
            }
        });
        if (running)
            program.click("bt_depart");
        if (!copy().earlier().isEmpty()) // offered back, whether this program's own copy is written yet or not
            program.control<QLineEdit>("Commentaire")->setText("Tapé");
        program.endWelcome();
    }
    // No copy yet, once the one the run's start wrote is written: the next is a second away.
    bool settled()
    {
        copy().finishWriting();
        copy().changed();
        return QFile::remove(journal());
    }
    // The copies as "comment#label|label…", the program's own last, each after the number of its name but the
    // first's and followed by "+course" when it holds a run under way, once the own copy's second is over; then
    // what the program told: messages, and the line and notification of a copy that cannot be written.
    QString kept()
    {
        auto *delay = copy().findChild<QTimer *>();
        const QString late = delay->remainingTime() > 1000 ? "late " : "";
        delay->setInterval(0);
        const bool stuck = !QTest::qWaitFor([&] { return !delay->isActive(); });
        copy().finishWriting();
        QCoreApplication::processEvents(); // a failure is told from the event thread
        QStringList told = program.platform.messages;
        if (auto *line = program.control<WarningLine>("avertissement_copie"); !line->message().isEmpty()) {
            const bool elided = line->text().contains(u'…');
            line->resize(4000, line->height());
            told << QString("line%1%2: ")
                            .arg(elided ? ", elided" : "", line->text() == line->message() ? ", whole when wide" : "") +
                        line->message();
        }
        if (program.platform.shown.contains(Platform::Notice::UnprotectedList))
            told << QString("notified %1 times: ").arg(program.platform.notifications.size()) +
                        program.platform.shown.value(Platform::Notice::UnprotectedList);
        QStringList copies;
        const QDir dir(folder->path());
        for (const QString &name : dir.entryList({"Liste en cours", "Liste en cours *"}, QDir::Files, QDir::Name)) {
            const QByteArray bytes = contents(dir.filePath(name));
            const std::optional<SavedRun> run = RunJournal::read(bytes);
            const bool runs = run && Run::load(run->run) && Run::load(run->run)->state() != RunState::Idle;
            copies << (name == "Liste en cours" ? "" : name.section(' ', -1) + ':') + SavedList::read(bytes).comment +
                          '#' + labels(SavedList::read(bytes).rows) + (runs ? "+course" : "");
        }
        return late + (copies.isEmpty() ? (stuck ? "stuck" : "none") : copies.join(" + ")) +
               told.join(" ! ").replace(folder->path(), "@");
    }

    // A run with a lap, stopped, as saving, quitting and printing find it.
    void threeRows()
    {
        program.start();
        for (const char *button : {"bt_depart", "intermediaire", "bt_depart"}) {
            program.click(button);
            program.platform.advance(65.375);
        }
    }

private slots:
    void init() { folder = std::make_unique<QTemporaryDir>(); }
    void cleanup() { umount2(QFile::encodeName(path("disque")), MNT_DETACH); }

    // Every way saving, quitting and opening can go keeps the list. Each case gives the command, the buttons
    // pressed in the questions that follow, and the file chosen ("nouveau" is written; "disque" is a full disk or a
    // read-only one); tests/documents/files.txt keeps what the program told and asked, the names it offered, the
    // file dialogs, the next document's name, the quits and the comment.
    void keepsTheList()
    {
        const bool root = getuid() == 0;
        KeptLines::check(QFINDTESTDATA("files.txt"), [&](const QString &input, QStringList &made) {
            const QStringList words = input.split(" | ");
            const QString command = words[0], target = words.value(2);
            folder = std::make_unique<QTemporaryDir>();
            threeRows();
            QVERIFY(QDir().mkpath(path("occupé")) && QDir().mkpath(path("disque")));
            // "disque": a 64 KiB file system, in a mount namespace of this thread's own so that none outlives it.
            const bool small = target.startsWith("disque/");
            if (small &&
                !(root && !unshare(CLONE_NEWNS) && !mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) &&
                  !mount("tmpfs", QFile::encodeName(path("disque")), "tmpfs", 0, "size=64k")))
                return KeptLines::skip(made, "mounting a small file system takes root");
            for (const QString name : {"ancien", "occupé/dedans", "disque/ancien", "énorme", "course"})
                QVERIFY(WholeFile::write(path(name), name == "course" ? document("Course\ndu matin") : "ancien\n")
                            .isEmpty());
            QVERIFY(WholeFile::write(path("image"), "\x89PNG\r\n" + QByteArray(3, '\0') + "IHDR\t\t\n").isEmpty() &&
                    WholeFile::write(path("note"), "Une note\nsans colonnes\n").isEmpty() &&
                    QFile::resize(path("énorme"), 256 * 1024 * 1024 + 1) && // sparse: it takes no room
                    mkfifo(QFile::encodeName(path("fifo")), 0600) == 0);
            QFile filler(path("disque/plein")); // fills the small disk up, or makes it read-only
            if (target.endsWith("lecture seule"))
                QVERIFY(mount(nullptr, QFile::encodeName(path("disque")), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) ==
                        0);
            else if (small)
                QVERIFY(filler.open(QIODevice::WriteOnly) && filler.write(QByteArray(1 << 17, 'x')) < (1 << 17));
            program.timekeeper().setComment("avant");
            const QStringList presses = words[1].split(' ', Qt::SkipEmptyParts);
            if (presses.isEmpty() && command != "open") // an empty list asks nothing
                laps().clear();
            else if (presses.isEmpty()) // nor does one that was saved
                copy().discard();
            const LapRows before = laps().rows();
            if (command == "save")
                program.timekeeper().countDocument();
            for (const QString &button : presses)
                program.answer(button.toInt());
            program.platform.saveAnswers << path(target);
            program.platform.openAnswers << path(target);
            program.trigger(command == "save"   ? "FileSauver"
                            : command == "quit" ? "menfichieritemquitter"
                                                : "menfichierMenuouvrir");
            const FakePlatform &p = program.platform;
            made << "told: " + QString(p.messages.join(" ! ")).replace(folder->path(), "@")
                 << KeptLines::filled("asked: %1 | offered: %2 | file dialogs %3 | next %4 | quits %5 | comment [%6]",
                                      (program.asked + program.buttons).join(" | "), p.suggestedNames.join(' '),
                                      p.fileDialogs, program.timekeeper().documentName(), p.quits.size(),
                                      program.timekeeper().comment());
            QCOMPARE(laps().rows(), before);
            QCOMPARE(contents(path("nouveau")),
                     target == "nouveau" ? document(command == "quit" ? "" : "avant") : "<missing>");
            QCOMPARE(contents(path("ancien")) + contents(path("occupé/dedans")) + contents(path("disque/ancien")),
                     "ancien\nancien\nancien\n");
            umount2(QFile::encodeName(path("disque")), MNT_DETACH);
        });
    }

    // Every word of a long comment and of a long label is printed, none over the next column, on as many pages as the
    // rows take; the comment answered becomes the timing's; a printer that cannot be written to is told.
    void print()
    {
        threeRows();
        QString comment = "Course\nsous la pluie", label;
        for (int i = 0; i < 144; ++i)
            comment += QString::asprintf(" c%03d", i), label += QString::asprintf("l%03d ", i % 100);
        laps().append({{label, "0:00:01:00", "+  0:00:01:00"}});
        for (int i = 0; i < 80; ++i) // onto a second page
            laps().append({{"r", "0:00:02:00", ""}});
        const QString pdf = path("liste.pdf");
        for (const QString &output : {QString("/proc/liste.pdf"), QString(), pdf}) // cannot be written; cancelled
            program.platform.printScripts
                << [=](QPrinter &p) { return p.setOutputFileName(output), !output.isEmpty(); };
        QStringList printed; // the comment kept, and the printer dialogs left
        for (const int button : {2, 2, 1, 2}) {
            program.answer(button, button == 1 ? "Annulé" : comment);
            program.trigger("menfichierImprimer");
            printed << program.timekeeper().comment().left(6) + '|' +
                           QString::number(program.platform.printScripts.size());
        }
        QCOMPARE(printed + program.platform.messages,
                 QStringList({"Course|2", "Course|1", "Course|1", "Course|0", "Impossible d'imprimer la liste."}));
        QCOMPARE(program.asked, QStringList(4, "Entrez un commentaire pour votre chronométrage."));
        QProcess text;
        text.start("pdftotext", {"-bbox", pdf, "-"});
        QVERIFY(text.waitForFinished());
        static const QRegularExpression box(R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]+)<)re");
        QString words;
        QMap<QString, double> bottoms;
        const QString boxes = text.readAllStandardOutput();
        QCOMPARE(boxes.count("<page "), 2);
        for (const QRegularExpressionMatch &m : box.globalMatch(boxes)) {
            QVERIFY2(m.captured(1).toDouble() < (m.captured(3).startsWith('l') ? 405 : 585), qPrintable(m.captured(3)));
            words += m.captured(3) + ' ';
            bottoms.insert(m.captured(3), m.captured(2).toDouble());
        }
        QCOMPARE(qRound((bottoms["0:01:05:37"] - bottoms["0:00:00:00"]) * 100), 1000); // lines 10 points apart
        for (const QString &word : (comment + ' ' + label).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
            QVERIFY2(words.contains(word + ' '), qPrintable(word));
    }

    // Each case gives the copy an earlier program left (copy:<name>), then steps: a button of the window, save,
    // cancelled (a save), open, quit, clear, edit (a label), now (the copy written at once), blocked (a folder where it
    // goes), unblocked, settled (no copy nor preferences written yet), signal, maximized, in-dialog (a signal comes in
    // the next file dialog), logout, logout-asking (a logout that may ask), restart:<answers> (killed, and started
    // again); then the answers to the questions. A run starts while the welcome shows unless the first step is idle.
    // tests/documents/copies.txt keeps what is asked, the rows and what was typed, how the program ended once
    // settled, and the copies then.
    void copies()
    {
        KeptLines::check(QFINDTESTDATA("copies.txt"), [&](const QString &input, QStringList &made) {
            QStringList steps = input.section('|', 0, 0).split(' ', Qt::SkipEmptyParts);
            const QString earlier = steps.value(0).startsWith("copy:") ? steps.takeFirst().mid(5) : QString();
            const bool idle = steps.value(0) == "idle" && !steps.takeFirst().isEmpty();
            start(earlierCopy(earlier), input.section('|', 1), !idle);
            copy().finishWriting(); // a second name for the copy sees what is added to it, not a copy made anew
            const QByteArray linked = QFile::encodeName(journal() + ".lien");
            const bool linkedNow = ::link(QFile::encodeName(journal()), linked) == 0;
            const QHash<QString, QString> items{{"save", "FileSauver"},
                                                {"cancelled", "FileSauver"},
                                                {"open", "menfichierMenuouvrir"},
                                                {"quit", "menfichieritemquitter"},
                                                {"clear", "EditClear"}};
            QString logout = "-";
            for (const QString &step : steps) {
                FakePlatform &p = program.platform;
                p.saveAnswers << (step == "cancelled" ? QString() : folder->filePath("liste"));
                p.openAnswers << folder->filePath("course");
                QVERIFY(WholeFile::write(folder->filePath("course"), kEarlier).isEmpty());
                if (items.contains(step))
                    program.trigger(items[step]);
                else if (step == "now")
                    copy().writeNow();
                else if (step == "blocked")
                    QVERIFY(settled() && QDir().mkpath(journal() + "/x"));
                else if (step == "unblocked")
                    QVERIFY(QDir(journal()).removeRecursively());
                else if (step == "settled")
                    QVERIFY(settled() && (QFile::remove(folder->filePath("Pref Vel Timing")) || true));
                else if (step == "signal" || step == "in-dialog")
                    step == "signal" ? p.terminate() : void(p.inFileDialog = p.terminate);
                else if (step.startsWith("logout"))
                    logout = p.endSession(step == "logout-asking") ? "goes on" : "cancelled";
                else if (step == "maximized")
                    program.window().showMaximized();
                else if (step == "edit") // the second row's label
                    laps().setEditable(true), laps().setData(laps().index(1, 0), "Virage");
                else if (step.startsWith("restart:")) // the first was killed: its windows went, it wrote no more
                    launch(step.mid(8).replace(',', ' '), false);
                else
                    program.click(step);
                copy().finishWriting();
                QCoreApplication::processEvents(); // as the program would between two steps of the user's
            }
            const FakePlatform &p = program.platform;
            made << "asked: " + (program.asked + program.buttons).join(" ; ") +
                        (p.dialogScripts.isEmpty() ? "" : QString(" (%1 unanswered)").arg(p.dialogScripts.size()))
                 << QString("rows: %1 | display %2 | comment [%3] | typed [%4] | last row %5")
                        .arg(labels(laps().rows()), program.display(), program.timekeeper().comment(),
                             program.control<QLineEdit>("Commentaire")->text(),
                             program.control<LapListView>("ListBox1")->selectedRow() == program.rowCount() - 1
                                 ? "selected"
                                 : "not selected");
            if (steps.contains("settled"))
                made << KeptLines::filled("ends: logout %1 | quit %2 | copy %3 | preferences %4%5", logout,
                                          p.quits.value(0, -1), QFile::exists(journal()) ? "at once" : "later",
                                          QFile::exists(folder->filePath("Pref Vel Timing")) ? "written"
                                                                                             : "not written",
                                          PreferencesFile::maximized(folder->path()) ? ", maximized" : "");
            const QString copies = kept();
            const bool added = linkedNow && contents(journal()) == contents(QFile::decodeName(linked));
            made << "copies: " + copies +
                        (linkedNow && QFile::exists(journal()) ? added ? " (same file)" : " (made anew)" : "");
        });
    }
};

VEL_TEST_MAIN(TestDocuments)
#include "test_documents.moc"
