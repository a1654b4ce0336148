#include "engine/fenetre_answer.h"
#include "engine/fenetre_message.h"
#include "engine/list_box.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "program_fixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

class TestDocumentCommands : public QObject {
    Q_OBJECT
    ProgramFixture program;
    QTemporaryDir folder;

    Window1 &w() { return program.window(); }
    QString path(const QString &name) { return folder.filePath(name); }
    void fillList()
    {
        program.click(w().bt_depart);
        program.platform.advance(65.375);
        program.click(w().intermediaire);
        program.platform.advance(64.75);
        program.click(w().bt_depart);
    }
    void answerComment(bool confirm, const QString &text = QString(), QString *offered = nullptr)
    {
        program.platform.dialogScripts.enqueue([=](QDialog &dialog) {
            auto &d = static_cast<fenetre_answer &>(dialog);
            QCOMPARE(d.StaticText1->text(), QStringLiteral("Entrez un commentaire pour votre chronométrage."));
            QVERIFY(!d.PushButton1->isDefault() && !d.PushButton2->isDefault());
            if (offered)
                *offered = d.EditField1->toPlainText();
            d.EditField1->setPlainText(text);
            QTest::mouseClick(confirm ? d.PushButton2 : d.PushButton1, Qt::LeftButton);
        });
    }
    void answerSaveToQuitQuestion()
    {
        program.platform.dialogScripts.enqueue([](QDialog &dialog) {
            auto &d = static_cast<fenetre_message &>(dialog);
            QCOMPARE(d.StaticText1->text(), QStringLiteral("Voulez-vous sauvegarder la liste en cours?"));
            QVERIFY(d.PushButton2->isDefault());
            QTest::keyClick(&d, Qt::Key_Return); // "Sauvegarder"
        });
    }
    static QByteArray contents(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private slots:
    void init()
    {
        QVERIFY(folder.isValid());
        program.start();
    }

    void saveWritesTheDocument()
    {
        fillList();
        program.platform.setNow(QDateTime(QDate(2026, 12, 5), QTime(14, 3, 0)));
        answerComment(true, QStringLiteral("Course du matin"));
        program.platform.saveAnswers.enqueue(path("course"));
        w().FileSauver_Action();
        const QList<QByteArray> lines = contents(path("course")).split('\n');
        QCOMPARE(lines.size(), 10);
        QCOMPARE(QString::fromUtf8(lines[0]),
                 QStringLiteral("Tableau de chronométrage créé le 05/12/2026 à 14:03 par VelTiming."));
        QCOMPARE(lines[2], QByteArray("Course du matin"));
        QCOMPARE(QString::fromUtf8(lines[5]), QStringLiteral("Temps intermédiaire  1:\t0:01:05:37\t"));
        QCOMPARE(lines[6], QByteArray("Chronom\xc3\xa8tre 1, temps final:\t0:02:10:12\t+  0:01:04:75"));
        QCOMPARE(program.platform.suggestedNames, QStringList({"Document VelTiming"}));
        QCOMPARE(Variables_globales.no_sauvetage, 2);
        QCOMPARE(Variables_globales.Commentaire_encours, QStringLiteral("Course du matin"));

        // The next save offers the comment and the next name.
        QString offered;
        answerComment(true, QStringLiteral("x"), &offered);
        program.platform.saveAnswers.enqueue(path("deux"));
        w().FileSauver_Action();
        QCOMPARE(offered, QStringLiteral("Course du matin"));
        QCOMPARE(program.platform.suggestedNames.last(), QStringLiteral("Document VelTiming 2"));
    }

    void saveAnEmptyList()
    {
        w().FileSauver_Action();
        QCOMPARE(program.platform.messages, QStringList({"Il n'y a rien à sauvegarder!"}));
        QCOMPARE(program.platform.unscriptedDialogs, 0);
    }

    void cancellingChangesNothing()
    {
        fillList();
        answerComment(false, QStringLiteral("oublié"));
        w().FileSauver_Action();
        QVERIFY(program.platform.suggestedNames.isEmpty());
        QVERIFY(Variables_globales.Commentaire_encours.isEmpty());

        answerComment(true, QStringLiteral("gardé"));
        w().FileSauver_Action(); // the save dialog is cancelled
        QCOMPARE(Variables_globales.no_sauvetage, 1);
        QCOMPARE(Variables_globales.Commentaire_encours, QStringLiteral("gardé"));
        QCOMPARE(program.rowCount(), 5);
    }

    void unwritableFolderIsReported()
    {
        fillList();
        answerComment(true, QStringLiteral("c"));
        const QString target = path("absent/dossier/liste");
        program.platform.saveAnswers.enqueue(target);
        w().FileSauver_Action();
        QCOMPARE(program.platform.messages.size(), 1);
        QVERIFY(program.platform.messages[0].contains(QStringLiteral("absent/dossier/liste")));
        QCOMPARE(program.rowCount(), 5);
    }

    void targetThatCannotBeWrittenIsReported()
    {
        // A folder in the place of the document fails even for root.
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("occupé")));
        fillList();
        answerComment(true, QStringLiteral("c"));
        program.platform.saveAnswers.enqueue(path("occupé"));
        w().FileSauver_Action();
        QCOMPARE(program.platform.messages.size(), 1);
        QVERIFY(program.platform.messages[0].contains(QStringLiteral("occupé")));
        QCOMPARE(program.rowCount(), 5);
    }

    void existingDocumentSurvivesAFailedSave()
    {
        QFile old(path("ancien"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("ancien contenu\n");
        old.close();
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        fillList();
        answerComment(true, QStringLiteral("c"));
        program.platform.saveAnswers.enqueue(path("ancien"));
        w().FileSauver_Action();
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (program.platform.messages.isEmpty())
            QSKIP("running with permissions that ignore a read-only folder");
        QCOMPARE(contents(path("ancien")), QByteArray("ancien contenu\n"));
    }

    void quitWithAnEmptyListQuitsAtOnce()
    {
        w().menfichieritemquitter_Action();
        QCOMPARE(program.platform.quits, QList<int>({0}));
        QCOMPARE(program.platform.unscriptedDialogs, 0);
    }

    void quitWithoutSaving()
    {
        fillList();
        program.platform.dialogScripts.enqueue(
            [](QDialog &d) { QTest::mouseClick(static_cast<fenetre_message &>(d).PushButton1, Qt::LeftButton); });
        w().menfichieritemquitter_Action();
        QCOMPARE(program.platform.quits, QList<int>({0}));
    }

    void quitSavesThenQuits()
    {
        fillList();
        Variables_globales.Commentaire_encours = QStringLiteral("pas proposé");
        answerSaveToQuitQuestion();
        QString offered = QStringLiteral("?");
        answerComment(true, QStringLiteral("fin"), &offered);
        program.platform.saveAnswers.enqueue(path("fin"));
        w().menfichieritemquitter_Action();
        QVERIFY(offered.isEmpty());
        QCOMPARE(program.platform.quits, QList<int>({0}));
        QCOMPARE(contents(path("fin")).split('\n')[2], QByteArray("fin"));
        QCOMPARE(Variables_globales.no_sauvetage, 1);
    }

    void quitCancelledKeepsRunning_data()
    {
        QTest::addColumn<bool>("confirmComment");
        QTest::newRow("Annuler in the comment") << false;
        QTest::newRow("save dialog cancelled") << true;
    }
    void quitCancelledKeepsRunning()
    {
        QFETCH(bool, confirmComment);
        fillList();
        answerSaveToQuitQuestion();
        answerComment(confirmComment, QStringLiteral("c"));
        w().menfichieritemquitter_Action();
        QVERIFY(program.platform.quits.isEmpty());
        QCOMPARE(program.rowCount(), 5);
    }

    void quitDoesNotQuitWhenTheDocumentFails()
    {
        fillList();
        answerSaveToQuitQuestion();
        answerComment(true, QStringLiteral("c"));
        program.platform.saveAnswers.enqueue(path("manque/fin"));
        w().menfichieritemquitter_Action();
        QVERIFY(program.platform.quits.isEmpty());
        QCOMPARE(program.platform.messages.size(), 1);
    }

    void openReadsBackWhatWasSaved()
    {
        fillList();
        const QList<ListRow> saved = w().ListBox1->rows(100);
        answerComment(true, QStringLiteral("Course\nsous la pluie"));
        program.platform.saveAnswers.enqueue(path("aller-retour"));
        w().FileSauver_Action();
        w().ListBox1->deleteAllRows();
        Variables_globales.Commentaire_encours.clear();

        program.platform.openAnswers.enqueue(path("aller-retour"));
        w().menfichierMenuouvrir_Action();
        QCOMPARE(w().ListBox1->rows(100), saved);
        QCOMPARE(Variables_globales.Commentaire_encours, QStringLiteral("Course\rsous la pluie\r"));
        QCOMPARE(Variables_globales.no_de_chrono, 2);
    }

    void openingWhileRunningKeepsTheRun()
    {
        QFile file(path("liste"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("h\n-\nc\n-\na\t1\t2\n");
        file.close();
        program.click(w().bt_depart);
        program.platform.openAnswers.enqueue(path("liste"));
        w().menfichierMenuouvrir_Action();
        QCOMPARE(program.rowCount(), 1);
        program.click(w().intermediaire);
        QCOMPARE(program.rowCount(), 2);
        QCOMPARE(w().bt_depart->text(), QStringLiteral("Stop"));
    }

    void missingFileLosesNothing()
    {
        fillList();
        program.platform.openAnswers.enqueue(path("nulle-part"));
        w().menfichierMenuouvrir_Action();
        QCOMPARE(program.rowCount(), 5);
        QCOMPARE(program.platform.messages.size(), 1);
        QVERIFY(program.platform.messages[0].contains(QStringLiteral("nulle-part")));
    }

    void cancelledOpenChangesNothing()
    {
        fillList();
        w().menfichierMenuouvrir_Action();
        QCOMPARE(program.rowCount(), 5);
        QVERIFY(program.platform.messages.isEmpty());
    }
};

VEL_TEST_MAIN(TestDocumentCommands)
#include "test_document_commands.moc"
