// The journal of the list in progress: kept, removed, offered back, and
// written when the system ends the program.
#include "documents/list_journal.h"
#include "documents/saved_list.h"
#include "engine/list_box.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "program_fixture.h"
#include "shell/bienvenue.h"

#include <QPushButton>
#include <QTemporaryDir>

namespace {
const QString kQuestion =
    "VelTiming s'est fermé sans que la liste en cours soit sauvegardée. Voulez-vous la récupérer?";
const QString kStart = "Chronomètre 1, départ à: 14:02:11";
const QByteArray kEarlier = SavedList::write("h", "Course", {{"Départ", "0:00:00:00", ""}, {"Tour", "0:01:00:00", ""}});

QString labels(const QList<ListRow> &rows)
{
    QStringList labels;
    for (const ListRow &row : rows)
        labels << row.label;
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
    // while the welcome shows, then answers the recovery question with button.
    void start(const QByteArray &earlier, int button = 0)
    {
        QDir(journal()).removeRecursively();
        QFile file(journal());
        file.remove();
        QVERIFY(earlier.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(earlier)));
        file.close();
        program.start([&](FakePlatform &p) {
            p.data = p.preferences = folder.path();
            if (button)
                program.answer(button);
        });
        program.click(w().bt_depart);
        QVERIFY(file.open(QIODevice::ReadOnly) ? file.readAll() == earlier : earlier.isEmpty()); // held meanwhile
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
        QFile file(journal());
        if (!file.open(QIODevice::ReadOnly))
            return late + (stuck ? "stuck" : "none");
        const SavedList::Contents contents = SavedList::read(file.readAll());
        return late + contents.comment + '#' + labels(contents.rows);
    }

private slots:
    void followsTheList_data()
    {
        QTest::addColumn<QString>("steps"); // buttons of the window, or save, cancelled (save), quit, blocked
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("kept");
        // clang-format off
        QTest::newRow("a lap") << "intermediaire" << QList<int>{} << "#" + kStart + "|Temps intermédiaire  1:";
        QTest::newRow("saved") << "save" << QList<int>{2} << "none";
        QTest::newRow("rows after a save") << "save intermediaire" << QList<int>{2} << "Fin\r#" + kStart + "|Temps intermédiaire  1:";
        QTest::newRow("comment, save cancelled") << "cancelled" << QList<int>{2} << "Fin\r#" + kStart;
        QTest::newRow("quit, Sauvegarder") << "quit" << QList<int>{2, 2} << "none";
        QTest::newRow("quit, Quitter") << "quit" << QList<int>{1} << "none";
        QTest::newRow("quit, Annuler") << "quit" << QList<int>{2, 1} << "#" + kStart;
        QTest::newRow("cleared") << "bt_depart efface_liste" << QList<int>{1} << "none";
        QTest::newRow("cannot be written") << "blocked intermediaire" << QList<int>{} << "none";
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
            if (step == "save" || step == "cancelled")
                w().FileSauver_Action();
            else if (step == "quit")
                w().menfichieritemquitter_Action();
            else if (step == "blocked") // a folder where the file goes
                QVERIFY(QDir().mkpath(journal() + "/x"));
            else
                program.click(w().findChild<QPushButton *>(step));
        }
        QTEST(kept(), "kept");
        QVERIFY(program.platform.messages.isEmpty());
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
        QTest::newRow("truncated") << kEarlier.chopped(12) << 2 << kQuestion + "|Course\r|" + both + "|Course\r#" + both;
        QTest::newRow("garbled") << garbled << 2 << kQuestion + "||ˇ˛|" + kStart + "|#ˇ˛|" + kStart;
        QTest::newRow("no rows") << QByteArray("h\n-\nrien\n") << 0 << "||" + kStart + "|#" + kStart;
        // clang-format on
    }
    void offeredBack()
    {
        QFETCH(QByteArray, earlier);
        QFETCH(int, button);
        start(earlier, button);
        QTEST(program.asked.join(' ') + '|' + Variables_globales.Commentaire_encours + '|' +
                  labels(w().ListBox1->rows(99)) + '|' + kept(),
              "outcome");
    }

    void endedBySystem_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("outcome"); // ends, quits, questions, journal written at once, kept, preferences
        // clang-format off
        QTest::newRow("signal") << "signal" << QList<int>{} << "1 0 0 now #" + kStart + " 1";
        QTest::newRow("logout") << "logout" << QList<int>{} << "1 - 0 now #" + kStart + " 1";
        QTest::newRow("logout asking, Quitter") << "asking" << QList<int>{1} << "1 - 1 later none 1";
        QTest::newRow("logout asking, Annuler") << "asking" << QList<int>{2, 1} << "0 - 2 later #" + kStart + " 0";
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
        const FakePlatform &p = program.platform;
        bool ends = true;
        if (how == "signal")
            p.terminate();
        else
            ends = p.endSession(how == "asking");
        QTEST(QStringList({QString::number(ends), how == "signal" ? QString::number(p.quits.value(0, -1)) : "-",
                           QString::number(program.asked.size()), QFile::exists(journal()) ? "now" : "later", kept(),
                           QString::number(QFile::exists(folder.filePath("Pref Vel Timing")))})
                  .join(' '),
              "outcome");
        QVERIFY(p.messages.isEmpty());
    }
};

VEL_TEST_MAIN(TestListJournal)
#include "test_list_journal.moc"
