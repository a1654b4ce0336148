// Saving, quitting, opening and printing, and the copy of the list in progress: kept, removed, offered back, and
// written when the system ends the program.
#include "core/run_journal.h"
#include "core/saved_list.h"
#include "core/timekeeper.h"
#include "documents/list_copy.h"
#include "kept_lines.h"
#include "platform/whole_file.h"
#include "program_fixture.h"
#include "widgets/lap_list_view.h"
#include "widgets/warning_line.h"

#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

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
        {"no rows", "h\n-\nrien\n"},
        {"an idle run", SavedList::write(RunJournal::header("h", {Run().save(), "boot-1", 0, {}}), "", {})},
        {"a run", earlierRun(RunMode::Chronometre)},
        {"a countdown", earlierRun(RunMode::Timer)},
        {"a run from before the clock went back", earlierRun(RunMode::Chronometre, "boot-0", QTime(14, 5))}};
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

    // Starts with an earlier copy (none when empty), a run started while the welcome shows when `running`, then
    // answers the recovery question with button (9: none is expected).
    void start(const QByteArray &earlier, int button = 9, bool running = true)
    {
        program.stop(); // and its copy, whose last writes could come after the file below
        QDir(journal()).removeRecursively();
        for (const QString &name : QDir(folder->path()).entryList({"Liste en cours*"}, QDir::Files))
            QFile::remove(folder->filePath(name));
        QVERIFY(earlier.isEmpty() || WholeFile::write(journal(), earlier).isEmpty());
        program.start([&](FakePlatform &p) {
            p.data = p.preferences = folder->path();
            if (button != 9)
                program.answer(button);
        });
        if (running)
            program.click("bt_depart");
        program.control<QLineEdit>("Commentaire")->setText(earlier.isEmpty() ? "" : "Tapé"); // while the welcome shows
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
        if (const QString line = program.control<WarningLine>("avertissement_copie")->message(); !line.isEmpty())
            told << "line: " + line;
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
                 << QString("asked: %1 | offered: %2 | file dialogs %3 | next %4 | quits %5 | comment [%6]")
                        .arg((program.asked + program.buttons).join(" | "), p.suggestedNames.join(' '))
                        .arg(p.fileDialogs)
                        .arg(program.timekeeper().documentName())
                        .arg(p.quits.size())
                        .arg(program.timekeeper().comment());
            QCOMPARE(laps().rows(), before);
            QCOMPARE(contents(path("nouveau")),
                     target == "nouveau" ? document(command == "quit" ? "" : "avant") : "<missing>");
            QCOMPARE(contents(path("ancien")) + contents(path("occupé/dedans")) + contents(path("disque/ancien")),
                     "ancien\nancien\nancien\n");
            umount2(QFile::encodeName(path("disque")), MNT_DETACH);
        });
    }

    // Every word of a long comment and of a long label is printed, none over the next column; the comment answered
    // becomes the timing's; a printer that cannot be written to is told.
    void print()
    {
        threeRows();
        QString comment = "Course\nsous la pluie", label;
        for (int i = 0; i < 144; ++i)
            comment += QString::asprintf(" c%03d", i), label += QString::asprintf("l%03d ", i % 100);
        laps().append({{label, "0:00:01:00", "+  0:00:01:00"}});
        const QString pdf = path("liste.pdf");
        program.platform.printScripts << [](QPrinter &p) { return p.setOutputFileName("/proc/liste.pdf"), true; }
                                      << [](QPrinter &) { return false; } << [=](QPrinter &p) {
                                             p.setOutputFileName(pdf);
                                             return true;
                                         };
        QStringList printed; // the comment kept, and the printer dialogs left
        for (const int button : {2, 2, 1, 2}) {
            program.answer(button, button == 1 ? "Annulé" : comment);
            program.trigger("menfichierImprimer");
            printed << program.timekeeper().comment().left(6) + '|' +
                           QString::number(program.platform.printScripts.size());
        }
        QCOMPARE(printed + program.platform.messages,
                 QStringList({"Course|2", "Course|1", "Course|1", "Course|0", "Impossible d'imprimer la liste."}));
        QCOMPARE(program.asked.join(u'|') + '|' + program.buttons.first(),
                 QStringList(4, "Entrez un commentaire pour votre chronométrage.").join(u'|') +
                     "|Annuler|Continuer|Information");
        QProcess text;
        text.start("pdftotext", {"-bbox", pdf, "-"});
        QVERIFY(text.waitForFinished());
        static const QRegularExpression box(R"re(xMax="([\d.]+)" yMax="[\d.]+">([^<]+)<)re");
        QString words;
        for (const QRegularExpressionMatch &m : box.globalMatch(text.readAllStandardOutput())) {
            QVERIFY2(m.captured(1).toDouble() < (m.captured(2).startsWith('l') ? 405 : 585), qPrintable(m.captured(2)));
            words += m.captured(2) + ' ';
        }
        for (const QString &word : (comment + ' ' + label).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
            QVERIFY2(words.contains(word + ' '), qPrintable(word));
    }

    // Each case clicks buttons of the window, or save, cancelled (a save), open, quit, now (writes the copy at
    // once), blocked (a folder where it goes) or unblocked, with the answers given to the questions they ask; what
    // the copy then holds, tests/documents/journal.txt keeps.
    void followsTheList()
    {
        KeptLines::check(QFINDTESTDATA("journal.txt"), [&](const QString &input, QStringList &made) {
            start({});
            for (const QString &button : input.section('|', 1).split(' ', Qt::SkipEmptyParts))
                program.answer(button.toInt(), "Fin");
            for (const QString &step : input.section(" |", 0, 0).split(' ')) {
                program.platform.saveAnswers << (step == "cancelled" ? QString() : folder->filePath("liste"));
                program.platform.openAnswers << folder->filePath("course");
                QVERIFY(WholeFile::write(folder->filePath("course"), kEarlier).isEmpty());
                const QHash<QString, QString> items{{"save", "FileSauver"},
                                                    {"cancelled", "FileSauver"},
                                                    {"open", "menfichierMenuouvrir"},
                                                    {"quit", "menfichieritemquitter"}};
                if (items.contains(step))
                    program.trigger(items[step]);
                else if (step == "now")
                    copy().writeNow();
                else if (step == "blocked")
                    QVERIFY(settled() && QDir().mkpath(journal() + "/x"));
                else if (step == "unblocked")
                    QVERIFY(QDir(journal()).removeRecursively());
                else
                    program.click(step);
                copy().finishWriting();
                QCoreApplication::processEvents(); // as the program would between two steps of the user's
            }
            made << kept();
        });
    }

    // Each case gives the copy an earlier program left, the button pressed at the question, and whether a run was
    // started while it waited; tests/documents/recovery.txt keeps what is asked, the comment, the rows and the
    // display that follow, and the copies then.
    void offeredBack()
    {
        KeptLines::check(QFINDTESTDATA("recovery.txt"), [&](const QString &input, QStringList &made) {
            const QStringList words = input.split(" | ");
            start(earlierCopy(words[0]), words[1] == "signal" ? int(ProgramFixture::kSignal) : words[1].toInt(),
                  words.value(2) == "running");
            made << "asked: " + program.asked.join(' ') << "comment [" + program.timekeeper().comment() + ']'
                 << "rows: " + labels(laps().rows()) << "display " + program.display() << "copies: " + kept();
            QCOMPARE(program.control<QLineEdit>("Commentaire")->text(), "Tapé"); // what was typed meanwhile stays
        });
    }

    // A copy not answered for stays as it is: killed after a run of its own, the next program offers both, and
    // takes both back in their order, the countdown ended while the programs were down.
    void declinedCopyStays()
    {
        start(earlierRun(RunMode::Timer), 0);
        program.click("intermediaire");
        copy().finishWriting();
        program.start([&](FakePlatform &p) { // the first was killed: its windows went, and nothing more was written
            p.data = p.preferences = folder->path();
            program.answer(2);
            program.answer(2);
        });
        program.endWelcome();
        const QString ended = "Temps de départ 1:|Timer 2, temps écoulé à  14:01:30|" + QString(38, '-') + "||";
        const QString start = "Chronomètre 1, départ à: 14:02:11";
        QCOMPARE(QString::number(program.asked.size()) + ' ' + labels(laps().rows()) + ' ' + kept(),
                 "2 " + ended + start + "|1: Tapé 2:Course\r#" + ended + start + "|1: Tapé+course");
        QCOMPARE(program.control<LapListView>("ListBox1")->selectedRow(), program.rowCount() - 1); // its last row shows
    }

    // A lap adds its row and the run's state to the end of the copy; an edit writes the copy whole anew.
    void lapsAddToTheCopy()
    {
        start({});
        copy().finishWriting();
        const auto file = [&] {
            struct stat info {};
            return std::pair(::stat(QFile::encodeName(journal()), &info) == 0 ? qint64(info.st_size) : -1, info.st_ino);
        };
        const auto before = file();
        program.platform.advance(1.5);
        program.click("intermediaire");
        copy().finishWriting();
        const auto after = file();
        QVERIFY2(after.second == before.second && after.first > before.first && after.first - before.first < 1024,
                 qPrintable(QString::number(after.first - before.first)));
        const std::optional<SavedRun> run = RunJournal::read(contents(journal()));
        QVERIFY(run && Run::load(run->run)->lapNumber() == 2);
        laps().setEditable(true);
        QVERIFY(laps().setData(laps().index(1, 0), "Virage"));
        QCOMPARE(kept(), "#Chronomètre 1, départ à: 14:02:11|Virage+course");
        QVERIFY(file().second != before.second);
    }

    // A signal ends the program as it is, whatever window is open; a logout asks when it may. Each case gives the
    // command whose window is open when the signal comes, or a logout, and the answers given; tests/documents/
    // ended.txt keeps whether a logout may go on, the questions, the quit status, whether the copy was written at
    // once, the copies, whether the preferences were written, and the rows left.
    void endedBySystem()
    {
        KeptLines::check(QFINDTESTDATA("ended.txt"), [&](const QString &input, QStringList &made) {
            const QString how = input.section(" | ", 0, 0);
            start({});
            QVERIFY(settled()); // so that a copy now is the ending's
            QFile::remove(folder->filePath("Pref Vel Timing"));
            for (const QString &button : input.section(" | ", 1).split(' ', Qt::SkipEmptyParts))
                program.answer(button == "signal" ? int(ProgramFixture::kSignal) : button.toInt());
            FakePlatform &p = program.platform;
            p.inFileDialog = p.terminate;
            QString ends = "-";
            if (how.startsWith("logout"))
                ends = p.endSession(how == "logout asking") ? "goes on" : "cancelled";
            else if (how == "signal")
                p.terminate();
            else
                program.trigger(how);
            made << QString("logout %1 | asked %2 | quit %3 | copy %4: %5 | preferences %6 | rows %7")
                        .arg(ends)
                        .arg(program.asked.size())
                        .arg(p.quits.value(0, -1))
                        .arg(QFile::exists(journal()) ? "at once" : "later", kept())
                        .arg(QFile::exists(folder->filePath("Pref Vel Timing")) ? "written" : "not written")
                        .arg(program.rowCount());
        });
    }
};

VEL_TEST_MAIN(TestDocuments)
#include "test_documents.moc"
