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
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {
const QString kComment = "Entrez un commentaire pour votre chronométrage.";

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

const QString kQuestion =
    "VelTiming s'est fermé sans que la liste en cours soit sauvegardée. Voulez-vous la récupérer?";
const QString kStart = "Chronomètre 1, départ à: 14:02:11";
const QString kBeforeOpening = "Voulez-vous sauvegarder la liste en cours avant d'ouvrir une autre liste?";
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

QString labels(const LapRows &rows)
{
    QStringList labels;
    for (qsizetype row = 0; row < rows.size(); ++row)
        labels << rows.cell(row, 0);
    return labels.join('|');
}
} // namespace

// Saving, quitting, opening and printing, and the copy of the list in progress: kept, removed, offered back, and
// written when the system ends the program.
class TestDocuments : public QObject {
    Q_OBJECT
    ProgramFixture program;
    std::unique_ptr<QTemporaryDir> folder;
    MainWindow &w() { return program.window(); }
    ListCopy &copy() { return *program.application().copy(); }
    LapList &laps() { return program.timekeeper().model(); }
    QString path(const QString &name) const { return name.isEmpty() ? name : QDir(folder->path()).filePath(name); }
    QString journal() const { return folder->filePath("Liste en cours"); }

    // Starts with an earlier journal (none when empty) and a run started
    // while the welcome shows, then answers the recovery question with button
    // (9: none is expected).
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
        for (const QString &name : dir.entryList({"Liste en cours*"}, QDir::Files, QDir::Name)) {
            if (name.endsWith(".lock"))
                continue;
            const QByteArray bytes = contents(dir.filePath(name));
            const SavedList::Contents saved = SavedList::read(bytes);
            const std::optional<SavedRun> run = RunJournal::read(bytes);
            const bool runs = run && Run::load(run->run) && Run::load(run->run)->state() != RunState::Idle;
            copies << QString(name.section("cours", 1).trimmed()) +
                          (name.contains(' ') && name != "Liste en cours" ? ":" : "") + saved.comment + '#' +
                          labels(saved.rows) + (runs ? "+course" : "");
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

    // Every way saving, quitting and opening can go keeps the list.
    void keepsTheList_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<int>>("presses"); // in the quit question, then in the comment question
        QTest::addColumn<QString>("target");     // the file chosen, none when empty; "nouveau" is written
        QTest::addColumn<QString>("message");    // "@" stands for the folder
        QTest::addColumn<QString>("outcome");    // questions, suggested names, file types, no_sauvetage, quits, comment
        const QString save = "Impossible d'enregistrer la liste dans « ", open = "Impossible d'ouvrir « ";
        // In French whatever the system's language.
        const QString noEntry = "le fichier ou son dossier n'existe pas",
                      noFolder = "un élément du chemin n'est pas un dossier";
        // clang-format off
        QTest::newRow("save: empty list") << "save" << QList<int>{} << "" << "Il n'y a rien à sauvegarder!" << "0||0|Document VelTiming 2|0|avant";
        QTest::newRow("save: written") << "save" << QList<int>{2} << "nouveau" << "" << "1|Document VelTiming 2|1|Document VelTiming 3|0|avant";
        QTest::newRow("save: dialog cancelled") << "save" << QList<int>{2} << "" << "" << "1|Document VelTiming 2|1|Document VelTiming 2|0|avant";
        QTest::newRow("save: file as folder") << "save" << QList<int>{2} << "ancien/liste" << save + "@/ancien/liste » : " + noFolder << "1|Document VelTiming 2|1|Document VelTiming 3|0|avant";
        QTest::newRow("save: directory") << "save" << QList<int>{2} << "occupé" << save + "@/occupé » : c'est un dossier, pas un fichier" << "1|Document VelTiming 2|1|Document VelTiming 3|0|avant";
        QTest::newRow("save: full disk") << "save" << QList<int>{2} << "disque/ancien" << save + "@/disque/ancien » : le disque est plein" << "1|Document VelTiming 2|1|Document VelTiming 3|0|avant";
        QTest::newRow("save: read-only disk") << "save" << QList<int>{2} << "disque/lecture seule" << save + "@/disque/lecture seule » : le disque est en lecture seule" << "1|Document VelTiming 2|1|Document VelTiming 3|0|avant";
        QTest::newRow("save: read-only folder") << "save" << QList<int>{2} << "/sys/liste" << save + "/sys/liste » : permission refusée" << "1|Document VelTiming 2|1|Document VelTiming 3|0|avant";
        QTest::newRow("quit: empty list") << "quit" << QList<int>{} << "" << "" << "0||0|Document VelTiming|1|avant";
        QTest::newRow("quit: Quitter") << "quit" << QList<int>{1} << "" << "" << "1||0|Document VelTiming|1|avant";
        QTest::newRow("quit: Escape") << "quit" << QList<int>{0} << "" << "" << "1||0|Document VelTiming|0|avant";
        QTest::newRow("quit: Sauvegarder") << "quit" << QList<int>{2, 2} << "nouveau" << "" << "2|Document VelTiming|1|Document VelTiming|1|";
        QTest::newRow("quit: Annuler") << "quit" << QList<int>{2, 1} << "" << "" << "2||0|Document VelTiming|0|avant";
        QTest::newRow("quit: dialog cancelled") << "quit" << QList<int>{2, 2} << "" << "" << "2|Document VelTiming|1|Document VelTiming|0|";
        QTest::newRow("quit: missing folder") << "quit" << QList<int>{2, 2} << "absent/fin" << save + "@/absent/fin » : " + noEntry << "2|Document VelTiming|1|Document VelTiming|0|";
        QTest::newRow("open: saved list, no question") << "open" << QList<int>{} << "course" << "" << "0||1|Document VelTiming|0|Course\rdu matin\r";
        QTest::newRow("open: unsaved, not saved") << "open" << QList<int>{1} << "course" << "" << "1||1|Document VelTiming|0|Course\rdu matin\r";
        QTest::newRow("open: unsaved, saved first") << "open" << QList<int>{2, 2} << "course" << "" << "2|Document VelTiming|2|Document VelTiming 2|0|avant\r";
        QTest::newRow("open: unsaved, Escape") << "open" << QList<int>{0} << "course" << "" << "1||0|Document VelTiming|0|avant";
        QTest::newRow("open: cancelled") << "open" << QList<int>{1} << "" << "" << "1||1|Document VelTiming|0|avant";
        QTest::newRow("open: missing") << "open" << QList<int>{1} << "absent" << open + "@/absent » : " + noEntry << "1||1|Document VelTiming|0|avant";
        QTest::newRow("open: directory") << "open" << QList<int>{1} << "occupé" << open + "@/occupé » : c'est un dossier, pas un fichier" << "1||1|Document VelTiming|0|avant";
        QTest::newRow("open: FIFO") << "open" << QList<int>{1} << "fifo" << open + "@/fifo » : ce n'est pas un fichier ordinaire" << "1||1|Document VelTiming|0|avant";
        QTest::newRow("open: device") << "open" << QList<int>{1} << "/dev/zero" << open + "/dev/zero » : ce n'est pas un fichier ordinaire" << "1||1|Document VelTiming|0|avant";
        QTest::newRow("open: over 256 MiB") << "open" << QList<int>{1} << "énorme" << open + "@/énorme » : le fichier est trop volumineux (plus de 256 Mo)" << "1||1|Document VelTiming|0|avant";
        QTest::newRow("open: binary") << "open" << QList<int>{1} << "image" << open + "@/image » : ce n'est pas un fichier texte" << "1||1|Document VelTiming|0|avant";
        QTest::newRow("open: no row") << "open" << QList<int>{1} << "note" << open + "@/note » : il ne contient aucune ligne de liste" << "1||1|Document VelTiming|0|avant";
        QTest::newRow("open: unreadable") << "open" << QList<int>{1} << "/proc/self/mem" << open + "/proc/self/mem » : erreur d'entrée-sortie sur le disque" << "1||1|Document VelTiming|0|avant";
        // clang-format on
    }
    void keepsTheList()
    {
        QFETCH(QString, command);
        QFETCH(QList<int>, presses);
        QFETCH(QString, target);
        threeRows();
        QVERIFY(QDir().mkpath(path("occupé")) && QDir().mkpath(path("disque")));
        // "disque": a 64 KiB file system, in a mount namespace of this thread's own so that none outlives the test.
        const bool small = target.startsWith("disque/");
        if (small && (unshare(CLONE_NEWNS) || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
                      mount("tmpfs", QFile::encodeName(path("disque")), "tmpfs", 0, "size=64k")))
            QSKIP("Mounting a small file system takes root");
        for (const QString name : {"ancien", "occupé/dedans", "disque/ancien", "énorme", "course"})
            QVERIFY(
                WholeFile::write(path(name), name == "course" ? document("Course\ndu matin") : "ancien\n").isEmpty());
        QVERIFY(WholeFile::write(path("image"), "\x89PNG\r\n" + QByteArray(3, '\0') + "IHDR\t\t\n").isEmpty());
        QVERIFY(WholeFile::write(path("note"), "Une note\nsans colonnes\n").isEmpty());
        QVERIFY(QFile::resize(path("énorme"), 256 * 1024 * 1024 + 1)); // sparse: it takes no room
        QVERIFY(mkfifo(QFile::encodeName(path("fifo")), 0600) == 0);
        QFile filler(path("disque/plein")); // fills the small disk up, or makes it read-only
        if (target.endsWith("lecture seule"))
            QVERIFY(mount(nullptr, QFile::encodeName(path("disque")), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        else
            QVERIFY(!small ||
                    (filler.open(QIODevice::WriteOnly) && filler.write(QByteArray(1 << 17, 'x')) < (1 << 17)));
        program.timekeeper().setComment("avant");
        if (presses.isEmpty() && command != "open") // an empty list asks nothing
            laps().clear();
        else if (presses.isEmpty()) // nor does one that was saved
            copy().discard();
        const LapRows before = laps().rows();
        if (command == "save")
            program.timekeeper().countDocument();
        for (const int button : presses)
            program.answer(button);
        program.platform.saveAnswers << path(target);
        program.platform.openAnswers << path(target);
        program.trigger(command == "save"   ? "FileSauver"
                        : command == "quit" ? "menfichieritemquitter"
                                            : "menfichierMenuouvrir");
        const FakePlatform &p = program.platform;
        QTEST(p.messages.join(u'\n').replace(folder->path(), "@"), "message");
        QTEST(QStringList({QString::number(program.asked.size()), p.suggestedNames.join(u','),
                           QString::number(p.fileDialogs), program.timekeeper().documentName(),
                           QString::number(p.quits.size()), program.timekeeper().comment()})
                  .join(u'|'),
              "outcome");
        QCOMPARE(laps().rows(), before);
        QCOMPARE(contents(path("nouveau")),
                 target == "nouveau" ? document(command == "quit" ? "" : "avant") : "<missing>");
        QCOMPARE(contents(path("ancien")) + contents(path("occupé/dedans")) + contents(path("disque/ancien")),
                 "ancien\nancien\nancien\n");
        if (program.asked.size() == 2) // the question before, then the comment's
            QCOMPARE((program.asked + program.buttons).join(u'|'),
                     (command == "quit" ? "Voulez-vous sauvegarder la liste en cours?|" + kComment + "|Quitter"
                                        : kBeforeOpening + '|' + kComment + "|Ne pas sauvegarder") +
                         "|Sauvegarder*|Attention|Annuler|Continuer|Information");
    }

    void print()
    {
        threeRows();
        QString comment = "Course\nsous la pluie", label; // and every word printed, none over the next column
        for (int i = 0; i < 144; ++i)
            comment += QString::asprintf(" c%03d", i), label += QString::asprintf("l%03d ", i % 100);
        laps().append({{label, "0:00:01:00", "+  0:00:01:00"}});
        program.timekeeper().setComment(comment);
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
                 QStringList(4, kComment).join(u'|') + "|Annuler|Continuer|Information");
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
    // once), blocked (a folder where it goes) or unblocked, with the answers given to the questions they ask; what the
    // copy then holds, tests/documents/journal.txt keeps.
    void followsTheList()
    {
        KeptLines::check(QFINDTESTDATA("journal.txt"), [&](const QString &input, QStringList &made) {
            start({});
            for (const QString &button : input.section('|', 1).split(' ', Qt::SkipEmptyParts))
                program.answer(button.toInt(), "Fin");
            for (const QString &step : input.section(" |", 0, 0).split(' ')) {
                program.platform.saveAnswers << (step == "cancelled" ? QString() : folder->filePath("liste"));
                program.platform.openAnswers << folder->filePath("course");
                if (step == "save" || step == "cancelled")
                    program.trigger("FileSauver");
                else if (step == "open")
                    QVERIFY(WholeFile::write(folder->filePath("course"), kEarlier).isEmpty() &&
                            (program.trigger("menfichierMenuouvrir"), true));
                else if (step == "now")
                    copy().writeNow();
                else if (step == "quit")
                    program.trigger("menfichieritemquitter");
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

    void offeredBack_data()
    {
        QTest::addColumn<QByteArray>("earlier");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("running");    // a run started while the question waits
        QTest::addColumn<QString>("outcome"); // asked, comment, rows, display, journal
        const QString both = "Départ|Tour|" + kStart, earlier = "Chronomètre 1, départ à: 14:00:31";
        const QString ended = "Temps de départ 1:|Timer 2, temps écoulé à  14:01:30|" + QString(38, '-') + '|';
        const QString stopped =
            "Chronomètre 1, départ à: 14:05:00|Chronomètre 1, temps final:|" + QString(38, '-') + '|';
        const QByteArray garbled("h\n-\n\xff\xfe\t\x01\n");
        const QString ownCopy = "2:#" + kStart + "+course"; // the copy of the list timed since the start
        // clang-format off
        QTest::newRow("Récupérer") << kEarlier << 2 << true << kQuestion + "|Course\r|" + both + "|0:00:00:00|Course\r#" + both + "+course";
        QTest::newRow("Oublier") << kEarlier << 1 << true << kQuestion + "||" + kStart + "|0:00:00:00|2:#" + kStart + "+course";
        QTest::newRow("Escape: kept as it is, beside the new copy") << kEarlier << 0 << true << kQuestion + "||" + kStart + "|0:00:00:00|Course\r#Départ|Tour + " + ownCopy;
        QTest::newRow("a signal: kept as it is, beside the new copy") << kEarlier << int(ProgramFixture::kSignal) << true << kQuestion + "||" + kStart + "|0:00:00:00|Course\r#Départ|Tour + " + ownCopy;
        QTest::newRow("truncated: the half line left out") << kEarlier.chopped(12) << 2 << true << kQuestion + "|Course\r|Départ|" + kStart + "|0:00:00:00|Course\r#Départ|" + kStart + "+course";
        QTest::newRow("garbled") << garbled << 2 << true << kQuestion + "||ˇ˛|" + kStart + "|0:00:00:00|#ˇ˛|" + kStart + "+course";
        QTest::newRow("no rows") << QByteArray("h\n-\nrien\n") << 9 << true << "||" + kStart + "|0:00:00:00|#" + kStart + "+course";
        QTest::newRow("no rows, an idle run") << SavedList::write(RunJournal::header("h", {Run().save(), "boot-1", 0, {}}), "", {}) << 9 << true << "||" + kStart + "|0:00:00:00|#" + kStart + "+course";
        QTest::newRow("a run, going on") << earlierRun(RunMode::Chronometre) << 2 << false << kQuestion + "|Course\r|" + earlier + "|0:01:40:00|Course\r#" + earlier + "+course";
        QTest::newRow("a run, after one started meanwhile") << earlierRun(RunMode::Chronometre) << 2 << true << kQuestion + "|Course\r|" + earlier + '|' + kStart + "|0:00:00:00|Course\r#" + earlier + '|' + kStart + "+course";
        QTest::newRow("a countdown that ended meanwhile") << earlierRun(RunMode::Timer) << 2 << false << kQuestion + "|Course\r|" + ended + "|0:00:00:00|Course\r#" + ended;
        QTest::newRow("a run, the clock gone back") << earlierRun(RunMode::Chronometre, "boot-0", QTime(14, 5)) << 2 << false
            << kQuestion + "\nL'horloge de l'ordinateur a reculé : la course en cours sera arrêtée au dernier moment connu, 14:05:00.|Course\r|" + stopped + "|0:00:00:00|Course\r#" + stopped;
        // clang-format on
    }
    void offeredBack()
    {
        QFETCH(QByteArray, earlier);
        QFETCH(int, button);
        QFETCH(bool, running);
        start(earlier, button, running);
        QTEST(program.asked.join(' ') + '|' + program.timekeeper().comment() + '|' + labels(laps().rows()) + '|' +
                  program.display() + '|' + kept(),
              "outcome");
        QCOMPARE(program.control<QLineEdit>("Commentaire")->text(), "Tapé"); // what was typed meanwhile stays
    }

    // A copy not answered for stays as it is: killed after a run of its own, the next program offers both, and
    // takes both back in their order, the countdown ended while the programs were down.
    void declinedCopyStays()
    {
        start(earlierRun(RunMode::Timer), 0);
        program.click("intermediaire");
        copy().finishWriting(); // then killed: the windows go, and nothing more is written
        program.start([&](FakePlatform &p) {
            p.data = p.preferences = folder->path();
            program.answer(2);
            program.answer(2);
        });
        program.endWelcome();
        const QString ended = "Temps de départ 1:|Timer 2, temps écoulé à  14:01:30|" + QString(38, '-') + "||";
        QCOMPARE(QString::number(program.asked.size()) + ' ' + labels(laps().rows()) + ' ' + kept(),
                 "2 " + ended + kStart + "|1: Tapé 2:Course\r#" + ended + kStart + "|1: Tapé+course");
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
        QCOMPARE(kept(), "#" + kStart + "|Virage+course");
        QVERIFY(file().second != before.second);
    }

    // A signal ends the program as it is, whatever window is open; a logout asks when it may.
    void endedBySystem_data()
    {
        QTest::addColumn<QString>("how"); // the command whose window is open when the signal comes, or a logout
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>(
            "outcome"); // ends, questions, quit status, copy written at once, kept, preferences, rows
        const QString ended = " 0 now #" + kStart + "+course 1 1";
        const int sig = ProgramFixture::kSignal;
        // clang-format off
        QTest::newRow("signal") << "" << QList<int>{} << "- 0" + ended;
        QTest::newRow("signal, quit question") << "quit" << QList<int>{sig} << "- 1" + ended;
        QTest::newRow("signal, erase question") << "clear" << QList<int>{sig} << "- 1" + ended;
        QTest::newRow("signal, save dialog") << "save" << QList<int>{2} << "- 1" + ended;
        QTest::newRow("logout") << "logout" << QList<int>{} << "1 0 - now #" + kStart + "+course 1 1";
        QTest::newRow("logout asking, Quitter") << "asking" << QList<int>{1} << "1 1 - later none 1 1";
        QTest::newRow("logout asking, Annuler") << "asking" << QList<int>{2, 1} << "0 2 - later #" + kStart + "+course 0 1";
        // clang-format on
    }
    void endedBySystem()
    {
        QFETCH(QString, how);
        QFETCH(QList<int>, answers);
        start({});
        QVERIFY(settled()); // so that a copy now is the ending's
        QFile::remove(folder->filePath("Pref Vel Timing"));
        for (const int button : answers)
            program.answer(button);
        FakePlatform &p = program.platform;
        const bool logout = how == "logout" || how == "asking";
        p.inFileDialog = p.terminate;
        const QHash<QString, QString> items{
            {"quit", "menfichieritemquitter"}, {"save", "FileSauver"}, {"clear", "EditClear"}};
        QString ends = "-";
        if (logout)
            ends = QString::number(p.endSession(how == "asking"));
        else if (items.contains(how))
            program.trigger(items[how]);
        else
            p.terminate();
        QTEST(QStringList({ends, QString::number(program.asked.size()),
                           logout ? "-" : QString::number(p.quits.value(0, -1)),
                           QFile::exists(journal()) ? "now" : "later", kept(),
                           QString::number(QFile::exists(folder->filePath("Pref Vel Timing"))),
                           QString::number(program.rowCount())})
                  .join(' '),
              "outcome");
    }
};

VEL_TEST_MAIN(TestDocuments)
#include "test_documents.moc"
