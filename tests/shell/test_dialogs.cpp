#include "engine/fenetre_answer.h"
#include "engine/fenetre_message.h"
#include "engine/fonctions_fenetres_divreses.h"
#include "engine/icon_canvas.h"
#include "engine/variables_globales.h"
#include "program_fixture.h"

#include <QtWidgets>

class TestDialogs : public QObject {
    Q_OBJECT
    ProgramFixture program;

private slots:
    void init() { program.start(); }

    void askAndTell()
    {
        fenetre_message &m = fenetre_message::instance();
        m.OK = true;
        QStringList outcomes; // Escape and the close box press neither button, and leave OK as it was
        for (const bool escape : {true, false}) {
            program.platform.dialogScripts.enqueue([escape](QDialog &d) {
                QTest::keyClick(&d, Qt::Key_Return); // presses neither button
                QVERIFY(d.isVisible());
                escape ? QTest::keyClick(&d, Qt::Key_Escape) : void(d.close());
            });
            const Answer answer = Fonctions_fenetres_divreses::type_message("Deux\rlignes", "", "", "Titre", 0, 0);
            outcomes << QString::asprintf("%s|%s|%d%d|%d/%d OK%d %d", qUtf8Printable(m.StaticText1->text()),
                                          qUtf8Printable(m.windowTitle()), m.PushButton1->isDefault(),
                                          m.PushButton2->isDefault(), m.icone_fenetre, m.Canvas1->iconCode(), m.OK,
                                          answer == Answer::Cancelled);
        }
        QCOMPARE(outcomes, QStringList(2, "Deux\nlignes|Titre|00|0/0 OK1 1"));
        const fenetre_answer &a = fenetre_answer::instance();
        // Annuler and Escape drop what was typed; Continuer keeps even an empty answer
        for (const int button : {1, 2, 0}) {
            Variables_globales.Commentaire_encours = "avant";
            program.answer(button, button == 2 ? "" : "Course");
            const Reply reply = Fonctions_fenetres_divreses::Type_answer("q", "avant", "", "", "", 2, 1);
            QCOMPARE(QString::asprintf("%d [%s] [%s] OK%d %d/%d %d%d", int(reply.answer), qUtf8Printable(reply.text),
                                       qUtf8Printable(Variables_globales.Commentaire_encours), a.OK, a.icone_fenetre,
                                       a.Canvas1->iconCode(), a.PushButton1->isDefault(), a.PushButton2->isDefault()),
                     QStringList({"0 [] [avant] OK0 2/2 10", "1 [] [] OK1 2/2 10",
                                  "2 [] [avant] OK1 2/2 10"})[button ? button - 1 : 2]);
        }
    }
};

VEL_TEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
