#include "core/variables_globales.h"
#include "dialogs/fenetre_answer.h"
#include "dialogs/fenetre_message.h"
#include "dialogs/fonctions_fenetres_divreses.h"
#include "main_window/alerte_vel.h"
#include "main_window/demande_message_timer.h"
#include "program_fixture.h"
#include "shell/bienvenue.h"
#include "shell/cursor_blink.h"
#include "shell/pref_interm.h"
#include "widgets/icon_canvas.h"

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

    // In every window: a title that Qt's "— Vel Timing" after it does not repeat, each button within Tab's reach,
    // and under a light or a dark desktop palette, each text standing out from what lies behind it (WCAG's 4.5:1).
    void whatTheDesktopExpects()
    {
        const auto luminance = [](const QColor &c) {
            const auto f = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * f(c.redF()) + 0.7152 * f(c.greenF()) + 0.0722 * f(c.blueF()) + 0.05;
        };
        QStringList wrong;
        const auto check = [&] {
            Fonctions_fenetres_divreses::type_message("", "", "", "", 0, 0);
            Fonctions_fenetres_divreses::Type_answer("", "", "", "", "", 0, 0);
            for (QWidget *window : QList<QWidget *>{&program.window(), &alerte_vel::instance(), &Bienvenue::instance(),
                                                    &Demande_message_timer::instance(), &pref_interm::instance(),
                                                    &fenetre_message::instance(), &fenetre_answer::instance()}) {
                const QString title = window->windowTitle();
                const QString shown = title.endsWith("Vel Timing") ? title : title + " — Vel Timing";
                if (title.isEmpty() || title.contains("Untitled") || shown.count("Vel Timing") != 1)
                    wrong << shown;
                QList<QWidget *> reached;
                for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
                    reached << ((w->focusPolicy() & Qt::TabFocus) ? w : nullptr);
                for (QWidget *w : window->findChildren<QWidget *>()) {
                    QWidget *ground = w; // the first that paints its background, as a button paints its own
                    while (!ground->isWindow() && !ground->autoFillBackground() && !qobject_cast<QPushButton *>(ground))
                        ground = ground->parentWidget();
                    const double text = luminance(w->palette().color(w->foregroundRole()));
                    const double behind = luminance(ground->palette().color(ground->backgroundRole()));
                    const bool seen = w->isVisibleTo(window) && w->isEnabled() &&
                                      window->rect().intersects(QRect(w->mapTo(window, QPoint()), w->size()));
                    if (seen && (std::max(text, behind) / std::min(text, behind) < 4.5 ||
                                 (qobject_cast<QPushButton *>(w) && !reached.contains(w))))
                        wrong << window->objectName() + "." + w->objectName();
                }
            }
        };
        check();
        QApplication::setPalette(QPalette(QColor(53, 53, 53))); // light texts on dark grounds
        QCoreApplication::processEvents();
        check(); // the desktop turned dark under the running program
        program.start();
        check(); // the program started dark
        QApplication::setPalette(QApplication::style()->standardPalette());
        QCOMPARE(wrong.join(' '), "");
        QCOMPARE(Bienvenue::instance().windowType(), Qt::SplashScreen); // no title bar
    }

    void cursorBlinkingStopsAndInputRestartsIt()
    {
        QApplication::setCursorFlashTime(1000);
        CursorBlink blink(nullptr, 60000);
        QLineEdit field;
        field.show();
        blink.stopBlinking();
        QCOMPARE(QApplication::cursorFlashTime(), 0);
        QTest::keyClick(&field, Qt::Key_A);
        QCOMPARE(QApplication::cursorFlashTime(), 1000);
        blink.stopBlinking();
        QTest::mouseClick(&field, Qt::LeftButton);
        QCOMPARE(QApplication::cursorFlashTime(), 1000);
    }
};

VEL_TEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
