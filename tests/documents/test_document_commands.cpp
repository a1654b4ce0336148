#include "core/variables_globales.h"
#include "dialogs/fenetre_answer.h"
#include "dialogs/fenetre_message.h"
#include "documents/list_journal.h"
#include "main_window/window1.h"
#include "program_fixture.h"
#include "widgets/list_box.h"

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

// The list init() makes, saved at 14:05.
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

// The buttons of a dialog as last shown, "*" after the default one, then its icon.
template <class Dialog>
QString buttons()
{
    const auto b = [](const QPushButton *p) { return p->text() + (p->isDefault() ? "*" : ""); };
    return b(Dialog::instance().PushButton1) + '|' + b(Dialog::instance().PushButton2) + '|' +
           QString::number(Dialog::instance().icone_fenetre);
}
} // namespace

class TestDocumentCommands : public QObject {
    Q_OBJECT
    ProgramFixture program;
    std::unique_ptr<QTemporaryDir> folder;
    Window1 &w() { return program.window(); }
    QString path(const QString &name) const { return name.isEmpty() ? name : QDir(folder->path()).filePath(name); }

private slots:
    void init()
    {
        program.start();
        folder = std::make_unique<QTemporaryDir>();
        for (QPushButton *button : {w().bt_depart, w().intermediaire, w().bt_depart}) {
            program.click(button);
            program.platform.advance(65.375);
        }
    }
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
        const QString noEntry = qt_error_string(ENOENT), noFolder = qt_error_string(ENOTDIR);
        // clang-format off
        QTest::newRow("save: empty list") << "save" << QList<int>{} << "" << "Il n'y a rien à sauvegarder!" << "0|||2|0|avant";
        QTest::newRow("save: written") << "save" << QList<int>{2} << "nouveau" << "" << "1|Document VelTiming 2|text|3|0|avant";
        QTest::newRow("save: dialog cancelled") << "save" << QList<int>{2} << "" << "" << "1|Document VelTiming 2|text|2|0|avant";
        QTest::newRow("save: file as folder") << "save" << QList<int>{2} << "ancien/liste" << save + "@/ancien/liste » : " + noFolder << "1|Document VelTiming 2|text|3|0|avant";
        QTest::newRow("save: directory") << "save" << QList<int>{2} << "occupé" << save + "@/occupé » : Le nom de fichier est associé à un répertoire" << "1|Document VelTiming 2|text|3|0|avant";
        QTest::newRow("save: full disk") << "save" << QList<int>{2} << "disque/ancien" << save + "@/disque/ancien » : " + qt_error_string(ENOSPC) << "1|Document VelTiming 2|text|3|0|avant";
        QTest::newRow("save: read-only folder") << "save" << QList<int>{2} << "/sys/liste" << save + "/sys/liste » : " + qt_error_string(EACCES) << "1|Document VelTiming 2|text|3|0|avant";
        QTest::newRow("quit: empty list") << "quit" << QList<int>{} << "" << "" << "0|||1|1|avant";
        QTest::newRow("quit: Quitter") << "quit" << QList<int>{1} << "" << "" << "1|||1|1|avant";
        QTest::newRow("quit: Escape") << "quit" << QList<int>{0} << "" << "" << "1|||1|0|avant";
        QTest::newRow("quit: Sauvegarder") << "quit" << QList<int>{2, 2} << "nouveau" << "" << "2|Document VelTiming|text|1|1|";
        QTest::newRow("quit: Annuler") << "quit" << QList<int>{2, 1} << "" << "" << "2|||1|0|avant";
        QTest::newRow("quit: dialog cancelled") << "quit" << QList<int>{2, 2} << "" << "" << "2|Document VelTiming|text|1|0|";
        QTest::newRow("quit: missing folder") << "quit" << QList<int>{2, 2} << "absent/fin" << save + "@/absent/fin » : " + noEntry << "2|Document VelTiming|text|1|0|";
        QTest::newRow("open: saved list, no question") << "open" << QList<int>{} << "course" << "" << "0||text|1|0|Course\rdu matin\r";
        QTest::newRow("open: unsaved, not saved") << "open" << QList<int>{1} << "course" << "" << "1||text|1|0|Course\rdu matin\r";
        QTest::newRow("open: unsaved, saved first") << "open" << QList<int>{2, 2} << "course" << "" << "2|Document VelTiming|text,text|2|0|avant\r";
        QTest::newRow("open: unsaved, Escape") << "open" << QList<int>{0} << "course" << "" << "1|||1|0|avant";
        QTest::newRow("open: cancelled") << "open" << QList<int>{1} << "" << "" << "1||text|1|0|avant";
        QTest::newRow("open: missing") << "open" << QList<int>{1} << "absent" << open + "@/absent » : " + noEntry << "1||text|1|0|avant";
        QTest::newRow("open: directory") << "open" << QList<int>{1} << "occupé" << open + "@/occupé » : c'est un dossier, pas un fichier" << "1||text|1|0|avant";
        QTest::newRow("open: FIFO") << "open" << QList<int>{1} << "fifo" << open + "@/fifo » : ce n'est pas un fichier ordinaire" << "1||text|1|0|avant";
        QTest::newRow("open: device") << "open" << QList<int>{1} << "/dev/zero" << open + "/dev/zero » : ce n'est pas un fichier ordinaire" << "1||text|1|0|avant";
        QTest::newRow("open: over 256 MiB") << "open" << QList<int>{1} << "énorme" << open + "@/énorme » : le fichier est trop volumineux (plus de 256 Mo)" << "1||text|1|0|avant";
        QTest::newRow("open: unreadable") << "open" << QList<int>{1} << "/proc/self/mem" << open + "/proc/self/mem » : " + qt_error_string(EIO) << "1||text|1|0|avant";
        // clang-format on
    }
    void keepsTheList()
    {
        QFETCH(QString, command);
        QFETCH(QList<int>, presses);
        QFETCH(QString, target);
        QVERIFY(QDir().mkpath(path("occupé")) && QDir().mkpath(path("disque")));
        // "disque": a 64 KiB file system, in a mount namespace of this thread's own so that none outlives the test.
        const bool small = target.startsWith("disque/");
        if (small && (unshare(CLONE_NEWNS) || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
                      mount("tmpfs", QFile::encodeName(path("disque")), "tmpfs", 0, "size=64k")))
            QSKIP("Mounting a small file system takes root");
        for (const QString name : {"ancien", "occupé/dedans", "disque/ancien", "énorme", "course"}) {
            QFile f(path(name));
            QVERIFY(f.open(QIODevice::WriteOnly) &&
                    f.write(name == "course" ? document("Course\ndu matin") : "ancien\n"));
        }
        QVERIFY(QFile::resize(path("énorme"), 256 * 1024 * 1024 + 1)); // sparse: it takes no room
        QVERIFY(mkfifo(QFile::encodeName(path("fifo")), 0600) == 0);
        QFile filler(path("disque/plein")); // fills the small disk up
        QVERIFY(!small || (filler.open(QIODevice::WriteOnly) && filler.write(QByteArray(1 << 17, 'x')) < (1 << 17)));
        if (presses.isEmpty() && command != "open") // an empty list asks nothing
            w().laps().clear();
        else if (presses.isEmpty()) // nor does one that was saved
            ListJournal::current()->discard();
        const LapRows before = w().laps().rows();
        Variables_globales.Commentaire_encours = "avant";
        Variables_globales.no_sauvetage = command == "save" ? 2 : 1;
        for (const int button : presses)
            program.answer(button);
        program.platform.saveAnswers << path(target);
        program.platform.openAnswers << path(target);
        const QHash<QString, bool (Window1::*)()> actions{{"save", &Window1::FileSauver_Action},
                                                          {"quit", &Window1::menfichieritemquitter_Action},
                                                          {"open", &Window1::menfichierMenuouvrir_Action}};
        QVERIFY(!(w().*actions.value(command))());
        const FakePlatform &p = program.platform;
        QTEST(p.messages.join(u'\n').replace(folder->path(), "@"), "message");
        QTEST(QStringList({QString::number(program.asked.size()), p.suggestedNames.join(u','), p.fileTypes.join(u','),
                           QString::number(Variables_globales.no_sauvetage), QString::number(p.quits.size()),
                           Variables_globales.Commentaire_encours})
                  .join(u'|'),
              "outcome");
        QCOMPARE(w().laps().rows(), before);
        QCOMPARE(contents(path("nouveau")),
                 target == "nouveau" ? document(command == "quit" ? "" : "avant") : "<missing>");
        QCOMPARE(contents(path("ancien")) + contents(path("occupé/dedans")) + contents(path("disque/ancien")),
                 "ancien\nancien\nancien\n");
        if (command == "quit" && program.asked.size() == 2)
            QCOMPARE(program.asked.join(u'|') + '|' + buttons<fenetre_message>() + '|' + buttons<fenetre_answer>(),
                     "Voulez-vous sauvegarder la liste en cours?|" + kComment +
                         "|Quitter|Sauvegarder*|3|Annuler|Continuer|1");
    }

    void print()
    {
        QString comment = "Course\nsous la pluie", label; // and every word printed, none over the next column
        for (int i = 0; i < 144; ++i)
            comment += QString::asprintf(" c%03d", i), label += QString::asprintf("l%03d ", i % 100);
        w().laps().append({{label, "0:00:01:00", "+  0:00:01:00"}});
        Variables_globales.Commentaire_encours = comment;
        const QString pdf = path("liste.pdf");
        program.platform.printScripts << [](QPrinter &) { return false; } << [=](QPrinter &p) {
            p.setOutputFileName(pdf);
            return true;
        };
        QStringList printed; // the comment kept for printing, and the printer dialogs left
        for (const int button : {2, 1, 2}) {
            program.answer(button);
            QVERIFY(!w().menfichierImprimer_Action());
            printed << w().Pour_commentaire_impression->text() + '|' +
                           QString::number(program.platform.printScripts.size());
        }
        QCOMPARE(printed, QStringList({comment + "|1", "|1", comment + "|0"}));
        QCOMPARE(program.asked.join(u'|') + '|' + buttons<fenetre_answer>(),
                 QStringList(3, kComment).join(u'|') + "|Annuler|Continuer|1");
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
};

VEL_TEST_MAIN(TestDocumentCommands)
#include "test_document_commands.moc"
