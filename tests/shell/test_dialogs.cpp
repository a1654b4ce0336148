#include "engine/fenetre_answer.h"
#include "engine/fenetre_message.h"
#include "engine/fonctions_fenetres_divreses.h"
#include "engine/icon_canvas.h"
#include "engine/variables_globales.h"
#include "program_fixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Fonctions_fenetres_divreses;

class TestDialogs : public QObject {
    Q_OBJECT
    ProgramFixture program;

private slots:
    void init() { program.start(); }

    void typeAnswerButtons_data()
    {
        QTest::addColumn<bool>("second");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("returned");
        QTest::addColumn<QString>("current");
        QTest::newRow("Continuer") << true << "Course du matin"
                                   << "Course du matin"
                                   << "Course du matin";
        QTest::newRow("Continuer, empty") << true << ""
                                          << ""
                                          << "";
        QTest::newRow("Annuler") << false << "ignored"
                                 << ""
                                 << "avant";
    }
    void typeAnswerButtons()
    {
        QFETCH(bool, second);
        QFETCH(QString, typed);
        QFETCH(QString, returned);
        QFETCH(QString, current);
        Variables_globales.Commentaire_encours = QStringLiteral("avant");
        program.platform.dialogScripts.enqueue([&](QDialog &dialog) {
            auto &d = static_cast<fenetre_answer &>(dialog);
            QCOMPARE(d.StaticText1->text(), QStringLiteral("Question\nsur deux lignes"));
            QCOMPARE(d.EditField1->toPlainText(), QStringLiteral("avant"));
            QCOMPARE(d.PushButton1->text(), QStringLiteral("Annuler"));
            QCOMPARE(d.PushButton2->text(), QStringLiteral("Continuer"));
            QCOMPARE(d.windowTitle(), QStringLiteral("Titre"));
            QCOMPARE(d.icone_fenetre, 1);
            d.EditField1->setPlainText(typed);
            QTest::mouseClick(second ? d.PushButton2 : d.PushButton1, Qt::LeftButton);
        });
        const QString answer =
            Type_answer(QStringLiteral("Question\rsur deux lignes"), QStringLiteral("avant"), QStringLiteral("Annuler"),
                        QStringLiteral("Continuer"), QStringLiteral("Titre"), 1, 0);
        QCOMPARE(answer, returned);
        QCOMPARE(fenetre_answer::instance().OK, second);
        QCOMPARE(Variables_globales.Commentaire_encours, current);
        QVERIFY(!fenetre_answer::instance().isVisible());
    }

    void returnPressesTheDefault_data()
    {
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<int>("closedBy"); // 0: still open
        QTest::newRow("first") << 1 << 1;
        QTest::newRow("second") << 2 << 2;
        QTest::newRow("neither") << 0 << 0;
    }
    void returnPressesTheDefault()
    {
        QFETCH(int, defaultButton);
        QFETCH(int, closedBy);
        program.platform.dialogScripts.enqueue([&](QDialog &dialog) {
            auto &d = static_cast<fenetre_message &>(dialog);
            d.PushButton1->setFocus();
            QTest::keyClick(&d, Qt::Key_Return);
            QCOMPARE(d.isVisible(), closedBy == 0);
            if (closedBy == 0)
                QTest::mouseClick(d.PushButton2, Qt::LeftButton);
        });
        type_message(QStringLiteral("Message"), QStringLiteral("Quitter"), QStringLiteral("Continuer"), QString(), 3,
                     defaultButton);
        QCOMPARE(fenetre_message::instance().OK, closedBy != 1);
    }

    void iconCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("note") << 1;
        QTest::newRow("stop") << 2;
        QTest::newRow("caution 0") << 0;
        QTest::newRow("caution 3") << 3;
    }
    void iconCodes()
    {
        QFETCH(int, code);
        program.platform.dialogScripts.enqueue([&](QDialog &dialog) {
            auto &d = static_cast<fenetre_message &>(dialog);
            QCOMPARE(d.icone_fenetre, code);
            QCOMPARE(d.Canvas1->iconCode(), code);
            d.Canvas1->grab(); // paints without failing whatever the code
            QTest::mouseClick(d.PushButton1, Qt::LeftButton);
        });
        type_message(QStringLiteral("x"), QStringLiteral("a"), QStringLiteral("b"), QString(), code, 0);
    }

    void twoDialogsKeepTheirOwnOutcome()
    {
        program.platform.dialogScripts.enqueue(
            [](QDialog &d) { QTest::mouseClick(static_cast<fenetre_message &>(d).PushButton2, Qt::LeftButton); });
        program.platform.dialogScripts.enqueue(
            [](QDialog &d) { QTest::mouseClick(static_cast<fenetre_answer &>(d).PushButton1, Qt::LeftButton); });
        type_message(QStringLiteral("Voulez-vous sauvegarder la liste en cours?"), QStringLiteral("Quitter"),
                     QStringLiteral("Sauvegarder"), QString(), 3, 2);
        Type_answer(QStringLiteral("q"), QString(), QStringLiteral("Annuler"), QStringLiteral("Continuer"), QString(),
                    1, 0);
        QVERIFY(fenetre_message::instance().OK);
        QVERIFY(!fenetre_answer::instance().OK);
    }
};

VEL_TEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
