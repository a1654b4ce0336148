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
const QByteArray kEarlier = SavedList::write("h", "Course", {{"Départ", "0:00:00:00", ""}, {"Tour", "0:01:00:00", ""}});
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
        QFile::remove(journal());
        QFile file(journal());
        QVERIFY(earlier.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size()));
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
    // The journal as a list "comment#label|label|…", once its second is over.
    QString kept()
    {
        auto *delay = ListJournal::current()->findChild<QTimer *>();
        const QString late = delay->remainingTime() > 1000 ? "late " : "";
        if (delay->isActive())
            delay->start(0);
        const QString stuck = QTest::qWaitFor([&] { return !delay->isActive(); }) ? "" : "stuck ";
        ListJournal::current()->finishWriting();
        QFile file(journal());
        if (!file.open(QIODevice::ReadOnly))
            return stuck + late + "none";
        const SavedList::Contents contents = SavedList::read(file.readAll());
        QStringList labels;
        for (const ListRow &row : contents.rows)
            labels << row.label;
        return stuck + late + contents.comment + '#' + labels.join('|');
    }

private slots:
    void followsTheList_data()
    {
        QTest::addColumn<QString>("steps"); // buttons of the window, then commands: save, quit, clear
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("kept");
        // clang-format off
        QTest::newRow("a lap") << "intermediaire" << QList<int>{} << "#Chronomètre 1, départ à: 14:02:11|Temps intermédiaire  1:";
        QTest::newRow("saved") << "save" << QList<int>{2} << "none";
        QTest::newRow("rows after a save") << "save intermediaire" << QList<int>{2} << "Fin\r#Chronomètre 1, départ à: 14:02:11|Temps intermédiaire  1:";
        QTest::newRow("comment, save cancelled") << "cancelled" << QList<int>{2} << "Fin\r#Chronomètre 1, départ à: 14:02:11";
        QTest::newRow("quit, Sauvegarder") << "quit" << QList<int>{2, 2} << "none";
        QTest::newRow("quit, Quitter") << "quit" << QList<int>{1} << "none";
        QTest::newRow("quit, Annuler") << "quit" << QList<int>{2, 1} << "#Chronomètre 1, départ à: 14:02:11";
        QTest::newRow("cleared") << "bt_depart efface_liste" << QList<int>{1} << "none";
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
            else
                program.click(w().findChild<QPushButton *>(step));
        }
        QTEST(kept(), "kept");
    }

    void unwritableFolderIsSkipped()
    {
        QFile blocker(folder.filePath("fichier")); // a file where the folder goes
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        program.start([&](FakePlatform &p) { p.data = blocker.fileName() + "/VelTiming"; });
        ListJournal::current()->release();
        program.click(w().bt_depart);
        ListJournal::current()->writeNow();
        QCOMPARE(program.controls(), kRunning);
        QVERIFY(program.platform.messages.isEmpty());
    }

    void offeredBack_data()
    {
        QTest::addColumn<QByteArray>("earlier");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("outcome"); // asked, comment, rows, journal
        const QByteArray garbled = "h\n-\n\xff\xfe\t\x01\n" + kEarlier.mid(200);
        // clang-format off
        QTest::newRow("Récupérer") << kEarlier << 2 << kQuestion + "|Course\r|Départ,Tour,Chronomètre 1, départ à: 14:02:11|Course\r#Départ|Tour|Chronomètre 1, départ à: 14:02:11";
        QTest::newRow("Oublier") << kEarlier << 1 << kQuestion + "||Chronomètre 1, départ à: 14:02:11|#Chronomètre 1, départ à: 14:02:11";
        QTest::newRow("truncated") << kEarlier.left(kEarlier.size() - 12) << 2 << kQuestion + "|Course\r|Départ,Tour,Chronomètre 1, départ à: 14:02:11|Course\r#Départ|Tour|Chronomètre 1, départ à: 14:02:11";
        QTest::newRow("garbled") << garbled << 2 << kQuestion + "||ˇ˛,Chronomètre 1, départ à: 14:02:11|#ˇ˛|Chronomètre 1, départ à: 14:02:11";
        QTest::newRow("no rows") << QByteArray("h\n-\nrien\n") << 0 << "||Chronomètre 1, départ à: 14:02:11|#Chronomètre 1, départ à: 14:02:11";
        // clang-format on
    }
    void offeredBack()
    {
        QFETCH(QByteArray, earlier);
        QFETCH(int, button);
        start(earlier, button);
        QStringList labels;
        for (const ListRow &row : w().ListBox1->rows(99))
            labels << row.label;
        QTEST(QStringList({program.asked.join(' '), Variables_globales.Commentaire_encours, labels.join(','), kept()})
                  .join('|'),
              "outcome");
    }

    void endedBySystem_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("outcome"); // ends, quits, questions, journal, preferences written
        // clang-format off
        QTest::newRow("signal") << "signal" << QList<int>{} << "1 0 0 now #Chronomètre 1, départ à: 14:02:11 1";
        QTest::newRow("logout") << "logout" << QList<int>{} << "1 - 0 now #Chronomètre 1, départ à: 14:02:11 1";
        QTest::newRow("logout asking, Quitter") << "asking" << QList<int>{1} << "1 - 1 later none 1";
        QTest::newRow("logout asking, Annuler") << "asking" << QList<int>{2, 1} << "0 - 2 later #Chronomètre 1, départ à: 14:02:11 0";
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
        const QString quits = how == "signal" ? QString::number(p.quits.value(0, -1)) : "-";
        const QString when = QFile::exists(journal()) ? "now" : "later";
        const bool preferences = QFile::exists(folder.filePath("Pref Vel Timing"));
        QTEST(QStringList({QString::number(ends), quits, QString::number(program.asked.size()), when, kept(),
                           QString::number(preferences)})
                  .join(' '),
              "outcome");
        QVERIFY(p.messages.isEmpty());
    }
};

VEL_TEST_MAIN(TestListJournal)
#include "test_list_journal.moc"
