// The journal of the list in progress: kept, removed, offered back, and
// written when the system ends the program.
#include "core/run_journal.h"
#include "core/saved_list.h"
#include "core/variables_globales.h"
#include "documents/list_journal.h"
#include "main_window/alerte_vel.h"
#include "main_window/demande_message_timer.h"
#include "main_window/window1.h"
#include "program_fixture.h"
#include "shell/bienvenue.h"
#include "widgets/list_box.h"

#include <QPushButton>
#include <QTemporaryDir>

namespace {
const QString kQuestion =
    "VelTiming s'est fermé sans que la liste en cours soit sauvegardée. Voulez-vous la récupérer?";
const QString kStart = "Chronomètre 1, départ à: 14:02:11";
const QByteArray kEarlier = SavedList::write("h", "Course", {{"Départ", "0:00:00:00", ""}, {"Tour", "0:01:00:00", ""}});

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString labels(const LapRows &rows)
{
    QStringList labels;
    for (qsizetype row = 0; row < rows.size(); ++row)
        labels << rows.cell(row, 0);
    return labels.join('|');
}
} // namespace

class TestListJournal : public QObject {
    Q_OBJECT
    ProgramFixture program;
    QTemporaryDir folder;
    QString journal() const { return folder.filePath("Liste en cours"); }
    Window1 &w() { return program.window(); }

    // Starts with an earlier journal (none when empty) and a run started
    // while the welcome shows, then answers the recovery question with button
    // (9: none is expected).
    void start(const QByteArray &earlier, int button = 9, bool running = true)
    {
        appli::destroyWindows(); // and the journal, whose last writes could come after the file below
        QDir(journal()).removeRecursively();
        QFile::remove(journal());
        QVERIFY(earlier.isEmpty() || writeFile(journal(), earlier));
        program.start([&](FakePlatform &p) {
            p.data = p.preferences = folder.path();
            if (button != 9)
                program.answer(button);
        });
        if (running)
            program.click(w().bt_depart);
        Bienvenue::instance().Timer1_Action();
        Bienvenue::instance().Timer1_Action();
    }
    // The journal as "comment#label|label…", once its second is over.
    QString kept()
    {
        auto *delay = ListJournal::current()->findChild<QTimer *>();
        const QString late = delay->remainingTime() > 1000 ? "late " : "";
        delay->setInterval(0);
        const bool stuck = !QTest::qWaitFor([&] { return !delay->isActive(); });
        ListJournal::current()->finishWriting();
        QCoreApplication::processEvents(); // a failure is told from the event thread
        const QString told = QStringList(program.platform.messages).replaceInStrings(folder.path(), "@").join(" ! ");
        QFile file(journal());
        if (!file.open(QIODevice::ReadOnly))
            return late + (stuck ? "stuck" : "none") + told;
        const SavedList::Contents contents = SavedList::read(file.readAll());
        return late + contents.comment + '#' + labels(contents.rows) + told;
    }

private slots:
    void followsTheList_data()
    {
        QTest::addColumn<QString>("steps"); // buttons of the window, or save, cancelled (save), quit, blocked
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("kept");
        // clang-format off
        QTest::newRow("a lap") << "intermediaire" << QList<int>{} << "#" + kStart + "|Temps intermédiaire  1:";
        QTest::newRow("saved, the run goes on") << "save" << QList<int>{2} << "Fin\r#" + kStart;
        QTest::newRow("saved, stopped") << "bt_depart save" << QList<int>{2} << "none";
        QTest::newRow("rows after a save") << "bt_depart save bt_depart" << QList<int>{2} << "Fin\r#" + kStart + "|Chronomètre 1, temps final:|" + QString(38, '-') + "||Chronomètre 2, départ à: 14:02:11";
        QTest::newRow("comment, save cancelled") << "cancelled" << QList<int>{2} << "Fin\r#" + kStart;
        QTest::newRow("quit, Sauvegarder") << "quit" << QList<int>{2, 2} << "none";
        QTest::newRow("quit, Quitter") << "quit" << QList<int>{1} << "none";
        QTest::newRow("quit, Annuler") << "quit" << QList<int>{2, 1} << "#" + kStart;
        QTest::newRow("quit, Escape") << "quit" << QList<int>{0} << "#" + kStart;
        QTest::newRow("cleared") << "bt_depart efface_liste" << QList<int>{1} << "none";
        QTest::newRow("opened, stopped") << "bt_depart open" << QList<int>{1} << "none";
        QTest::newRow("rows after opening") << "open intermediaire" << QList<int>{1} << "Course\r#Départ|Tour|Temps intermédiaire  1:";
        QTest::newRow("cannot be written, told once") << "blocked intermediaire now intermediaire" << QList<int>{}
            << "noneLa liste en cours n'est pas protégée : sa copie de secours ne peut pas être écrite dans « @/Liste en cours » : Le nom de fichier est associé à un répertoire";
        // clang-format on
    }
    void followsTheList()
    {
        QFETCH(QString, steps);
        QFETCH(QList<int>, answers);
        start({});
        for (const int button : answers)
            program.answer(button, "Fin");
        for (const QString &step : steps.split(' ')) {
            program.platform.saveAnswers << (step == "cancelled" ? QString() : folder.filePath("liste"));
            program.platform.openAnswers << folder.filePath("course");
            if (step == "save" || step == "cancelled")
                w().FileSauver_Action();
            else if (step == "open")
                QVERIFY(writeFile(folder.filePath("course"), kEarlier) && !w().menfichierMenuouvrir_Action());
            else if (step == "now")
                ListJournal::current()->writeNow();
            else if (step == "quit")
                w().menfichieritemquitter_Action();
            else if (step == "blocked") // a folder where the file goes
                QVERIFY(QDir().mkpath(journal() + "/x"));
            else
                program.click(w().findChild<QPushButton *>(step));
        }
        QTEST(kept(), "kept");
    }

    void offeredBack_data()
    {
        QTest::addColumn<QByteArray>("earlier");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("outcome"); // asked, comment, rows, journal
        const QString both = "Départ|Tour|" + kStart;
        const QByteArray garbled("h\n-\n\xff\xfe\t\x01\n");
        // clang-format off
        QTest::newRow("Récupérer") << kEarlier << 2 << kQuestion + "|Course\r|" + both + "|Course\r#" + both;
        QTest::newRow("Oublier") << kEarlier << 1 << kQuestion + "||" + kStart + "|#" + kStart;
        QTest::newRow("Escape: kept for the next start") << kEarlier << 0 << kQuestion + "||" + kStart + "|Course\r#" + both;
        QTest::newRow("a signal: kept for the next start") << kEarlier << int(ProgramFixture::kSignal) << kQuestion + "||" + kStart + "|Course\r#" + both;
        QTest::newRow("truncated") << kEarlier.chopped(12) << 2 << kQuestion + "|Course\r|" + both + "|Course\r#" + both;
        QTest::newRow("garbled") << garbled << 2 << kQuestion + "||ˇ˛|" + kStart + "|#ˇ˛|" + kStart;
        QTest::newRow("no rows") << QByteArray("h\n-\nrien\n") << 9 << "||" + kStart + "|#" + kStart;
        // clang-format on
    }
    void offeredBack()
    {
        QFETCH(QByteArray, earlier);
        QFETCH(int, button);
        start(earlier, button);
        QTEST(program.asked.join(' ') + '|' + Variables_globales.Commentaire_encours + '|' + labels(w().laps().rows()) +
                  '|' + kept(),
              "outcome");
    }

    // A signal ends the program as it is, whatever window is open; a logout asks when it may.
    // Récupérer takes up the earlier program's run where it stands now.
    void runTakenUp_data()
    {
        QTest::addColumn<bool>("timer");
        QTest::addColumn<QString>("back"); // display, controls, rows, beeps, alert, notifications
        const QString end = "Timer 2, temps écoulé à  14:01:30|" + QString(38, '-') + "|";
        QTest::newRow("stopwatch") << false << "0:01:05:00 " + kRunning + " Chronomètre 1, départ à: 14:01:06 0 0 ";
        QTest::newRow("countdown ended meanwhile")
            << true << "0:00:00:00 " + kIdle + " Temps de départ 1:|" + end + " 3 1 Vel Timing\nTemps écoulé!";
    }
    void runTakenUp()
    {
        QFETCH(bool, timer);
        Run run;
        run.restore(timer ? RunMode::Timer : RunMode::Chronometre, 60);
        const QDateTime wall(QDate(2026, 12, 6), QTime(14, 2, 11));
        LapRows rows;
        rows.append(run.start(-65e6 - timer * 35e6, 0, wall.addSecs(-65), QString()).rows);
        start(SavedList::write(RunJournal::header("h", {run.save(), "boot-1", 0, wall}), "", rows), 2, false);
        QTEST(QStringList({program.display(), program.controls(), labels(w().laps().rows()),
                           QString::number(program.platform.beeps), QString::number(alerte_vel::exists()),
                           program.platform.notifications.join(' ')})
                  .join(' '),
              "back");
    }

    void endedBySystem_data()
    {
        QTest::addColumn<QString>("how"); // what is open when the signal comes, or a logout
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>(
            "outcome"); // ends, questions, quit status, journal written at once, kept, preferences, rows
        const QString ended = " 0 now #" + kStart + " 1 1";
        // clang-format off
        QTest::newRow("signal") << "nothing" << QList<int>{} << "1 0" + ended;
        QTest::newRow("signal, quit question") << "quit" << QList<int>{ProgramFixture::kSignal} << "1 1" + ended;
        QTest::newRow("signal, comment question") << "save" << QList<int>{ProgramFixture::kSignal} << "1 1" + ended;
        QTest::newRow("signal, erase question") << "clear" << QList<int>{ProgramFixture::kSignal} << "1 1" + ended;
        QTest::newRow("signal, save dialog") << "save dialog" << QList<int>{2} << "1 1" + ended;
        QTest::newRow("signal, open dialog") << "open dialog" << QList<int>{1} << "1 1" + ended;
        QTest::newRow("signal, preferences") << "preferences" << QList<int>{} << "1 0" + ended;
        QTest::newRow("signal, message question") << "message" << QList<int>{} << "1 0" + ended;
        QTest::newRow("logout") << "logout" << QList<int>{} << "1 0 - now #" + kStart + " 1 1";
        QTest::newRow("logout asking, Quitter") << "asking" << QList<int>{1} << "1 1 - later none 1 1";
        QTest::newRow("logout asking, Annuler") << "asking" << QList<int>{2, 1} << "0 2 - later #" + kStart + " 0 1";
        // clang-format on
    }
    void endedBySystem()
    {
        QFETCH(QString, how);
        QFETCH(QList<int>, answers);
        start({});
        QFile::remove(folder.filePath("Pref Vel Timing"));
        for (const int button : answers)
            program.answer(button);
        FakePlatform &p = program.platform;
        const bool logout = how == "logout" || how == "asking";
        bool ends = true;
        if (how.endsWith("dialog"))
            p.inFileDialog = p.terminate;
        if (how == "preferences")
            w().meneditionitempref_Action();
        else if (how == "message")
            Demande_message_timer::instance().show();
        if (logout)
            ends = p.endSession(how == "asking");
        else if (how == "quit")
            w().menfichieritemquitter_Action();
        else if (how.startsWith("save"))
            w().FileSauver_Action();
        else if (how == "clear")
            w().EditClear_Action();
        else if (how == "open dialog")
            w().menfichierMenuouvrir_Action();
        if (!logout && answers.value(0) != ProgramFixture::kSignal && !how.endsWith("dialog"))
            p.terminate();
        QTEST(QStringList({QString::number(ends), QString::number(program.asked.size()),
                           logout ? "-" : QString::number(p.quits.value(0, -1)),
                           QFile::exists(journal()) ? "now" : "later", kept(),
                           QString::number(QFile::exists(folder.filePath("Pref Vel Timing"))),
                           QString::number(program.rowCount())})
                  .join(' '),
              "outcome");
    }
};

VEL_TEST_MAIN(TestListJournal)
#include "test_list_journal.moc"
