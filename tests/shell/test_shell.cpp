#include "core/preference_records.h"
#include "core/variables_globales.h"
#include "dialogs/fenetre_answer.h"
#include "dialogs/fenetre_message.h"
#include "dialogs/fonctions_fenetres_divreses.h"
#include "kept_lines.h"
#include "main_window/alerte_vel.h"
#include "main_window/demande_message_timer.h"
#include "main_window/window1.h"
#include "program_fixture.h"
#include "shell/bienvenue.h"
#include "shell/cursor_blink.h"
#include "shell/pref_interm.h"
#include "shell/preferences_file.h"
#include "widgets/icon_canvas.h"
#include "widgets/list_box.h"
#include "widgets/little_arrows.h"

#include <QtWidgets>

using PreferenceRecords::write;
// Start-up restores the settings, the preferences window changes them, quitting writes them.
class TestShell : public QObject {
    Q_OBJECT
    ProgramFixture program;
    QTemporaryDir folder;
    QAction *item(const QString &name) const { return program.window().menuBar()->findChild<QAction *>(name); }

    // The list's column widths and, after a slash, its width.
    QString widths() const
    {
        const ListBox *list = program.window().ListBox1;
        QStringList widths;
        for (int column = 0; column < 3; ++column)
            widths << QString::number(list->isColumnHidden(column) ? 0 : list->columnWidth(column));
        return widths.join(',') + '/' + QString::number(list->viewport()->width());
    }
    // Settings as shown and held; date, idle, welcome; the preferences window's texts, shown.
    QString settings() const
    {
        const Window1 &w = program.window();
        const auto &vg = Variables_globales;
        const pref_interm &p = pref_interm::instance();
        int tags = 0;
        for (const HelpTag &tag : w.helpTags() + p.helpTags())
            tags += tag.control->toolTip() == tag.text;
        const QRect f(vg.coord_win1_left, vg.coord_win1_top, vg.coord_win1_largeur, vg.coord_win1_hauteur);
        return QString::asprintf(
            "%d,%d %dx%d %d/%s arrows%d %s %s/%s %s [%s] [%s] %d%d%d %d%d%d tags%d %d%d%d [%s] [%s] %d", f.left(),
            f.top(), f.width(), f.height(), w.RadioButton1->isChecked() + 2 * w.RadioButton2->isChecked(),
            vg.run.timer() ? "timer" : "chrono", w.LittleArrows1->isVisible(), qUtf8Printable(program.display()),
            qUtf8Printable(w.StaticText1->text()), qUtf8Printable(w.Preference_vel_Timer->text()),
            qUtf8Printable(widths()), qUtf8Printable(w.preftexteligne->text()), qUtf8Printable(vg.pref_texte_timer),
            vg.demande_message_ou_pas, vg.voir_ecarts, vg.pref_tips, p.CheckBox1->isChecked(), p.CheckBox2->isChecked(),
            p.CheckBox3->isChecked(), tags, w.StaticText3->text() == "dimanche 6 décembre 2026",
            program.controls() == kIdle, Bienvenue::instance().isVisible(), qUtf8Printable(p.chaine_interm->text()),
            qUtf8Printable(p.timer_defaut->text()), p.isVisible());
    }

    void startWith(const QString &fonts, const QByteArray &file)
    {
        QFile stored(folder.filePath("Pref Vel Timing"));
        QVERIFY(file.isEmpty() ? !stored.exists() || stored.remove()
                               : stored.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && stored.write(file) >= 0);
        program.start([&](FakePlatform &p) {
            p.preferences = folder.path();
            p.fonts = fonts.chopped(2).split(',');
            program.answer(fonts.right(1).toInt()); // for the missing fonts warning
        });
    }

private slots:
    void init() { program.start(); }

    // Each case gives the fonts installed and the button pressed at their warning, the stored records (- for no
    // file), then in the preferences window the boxes, buttons 1-3, Return, Escape, or 0 to open it again; what
    // each gives, tests/shell/settings.txt keeps: the warning, the message's icon and default button, the settings.
    void restoreAndChange()
    {
        KeptLines::check(QFINDTESTDATA("settings.txt"), [&](const QString &input, QStringList &made) {
            const QStringList fields = input.split('|');
            const QString steps = fields[2].trimmed();
            startWith(fields[0].trimmed(),
                      fields[1].trimmed() == "-" ? QByteArray() : write(fields[1].trimmed().toUtf8().split(';')));
            pref_interm &p = pref_interm::instance();
            if (!steps.isEmpty()) {
                program.window().meneditionitempref_Action();
                p.chaine_interm->setText("Étape");
            }
            for (int i = 0; i < 3 && !steps.isEmpty(); ++i)
                p.findChild<QCheckBox *>(QString::asprintf("CheckBox%d", i + 1))->setChecked(steps[i] == '1');
            for (const QChar key : steps.mid(4)) {
                if (key == '0')
                    program.window().meneditionitempref_Action();
                else if (key.isDigit())
                    QTest::mouseClick(p.findChild<QPushButton *>(QString("PushButton") + key), Qt::LeftButton);
                else
                    QTest::keyClick(p.timer_defaut, key == 'R' ? Qt::Key_Return : Qt::Key_Escape);
            }
            const fenetre_message &m = fenetre_message::instance();
            made << program.asked.join("") + QString::asprintf("|%d%d|", m.icone_fenetre, m.PushButton1->isDefault()) +
                        (Window1::exists() ? settings()
                                           : QString::asprintf("quit %d", program.platform.quits.value(0, -1)));
        });
    }

    // A second start leaves the first one's list alone, and brings its window forward.
    void secondStart()
    {
        program.start([](FakePlatform &p) { p.sole = false; });
        QVERIFY(!Window1::exists() && program.platform.quits == QList<int>{0});
        program.start();
        QTRY_VERIFY(!Bienvenue::instance().isVisible()); // the welcome goes by itself
        program.window().showMinimized();
        program.platform.raiseRequest();
        QVERIFY(program.window().isVisible() && !program.window().isMinimized());
    }

    // A setting is written as it changes, so a kill loses none: the preset, the mode, the preferences window, the
    // window maximized (beside the eleven records). Under Wayland the window's place read at start-up stays.
    void settingsKeptAsTheyChange()
    {
        const QByteArray stored = write({"40", "120", "400", "560", "1", "0", "1", "Fin", "301", "2", "Tour "});
        startWith("Helvetica,Courier 0", stored);
        const auto file = [&] {
            const Preferences p = PreferencesFile::load(folder.path()).value_or(Preferences());
            return QString("%1,%2 %3 %4 [%5] [%6] max%7")
                .arg(p.left)
                .arg(p.top)
                .arg(p.preset, p.chronometre ? "chrono" : "timer", p.lapLabel, p.texteTimer)
                .arg(PreferencesFile::maximized(folder.path()));
        };
        Window1 &w = program.window();
        QStringList seen{file()};
        QTest::mouseClick(w.LittleArrows1->upButton(), Qt::LeftButton);
        seen << file();
        QTest::mouseClick(w.RadioButton1, Qt::LeftButton);
        seen << file();
        pref_interm &p = pref_interm::instance();
        w.meneditionitempref_Action();
        p.chaine_interm->setText("Tour de piste");
        p.timer_defaut->setText(QString(300, u'é')); // cut to the 255 bytes a record holds, whole characters
        QCOMPARE(p.timer_defaut->text(), QString(127, u'é'));
        p.timer_defaut->setText("Fini");
        QTest::mouseClick(p.PushButton1, Qt::LeftButton);
        seen << file();
        w.showMaximized();
        QTRY_VERIFY(w.isMaximized());
        seen << file();
        program.platform.positionKnown = false; // as under Wayland: a place read as 0, 19 is not written
        w.showNormal();
        w.setContentFrame(0, 19, 400, 560);
        App().Close();
        seen << file();
        QCOMPARE(seen,
                 QStringList({"40,120 301 timer [Tour ] [Fin] max0", "40,120 302 timer [Tour ] [Fin] max0",
                              "40,120 302 chrono [Tour ] [Fin] max0", "40,120 302 chrono [Tour de piste] [Fini] max0",
                              "40,120 302 chrono [Tour de piste] [Fini] max1",
                              "40,120 302 chrono [Tour de piste] [Fini] max0"}));
        program.platform.positionKnown = true;
        PreferencesFile::setMaximized(folder.path(), true); // a maximized window comes back maximized
        startWith("Helvetica,Courier 0", stored);
        QTRY_VERIFY(program.window().isMaximized());
    }

    void quitRewritesTheSettingsOnceTheFolderCanBeMade()
    {
        const QByteArray stored = write({"40", "120", "400", "560", "1", "0", "1", "Fin", "301", "2", "Tour "});
        startWith("Helvetica,Courier 0", stored);
        const QString blocked = folder.filePath("blocker/sub");
        QVERIFY(QFile(folder.filePath("blocker")).open(QIODevice::WriteOnly)); // a file where the folder goes
        program.platform.preferences = blocked;
        App().Close();
        QVERIFY(QFile::remove(folder.filePath("blocker")));
        App().Close(); // only the first one fails, and tells why
        QCOMPARE(program.platform.messages,
                 QStringList(QString("Impossible d'enregistrer les préférences dans « %1/Pref "
                                     "Vel Timing » : le dossier « %1 » ne peut pas être créé")
                                 .arg(blocked)));
        QFile written(blocked + "/Pref Vel Timing");
        QCOMPARE(written.open(QIODevice::ReadOnly) ? written.readAll() : "missing", stored);
    }

    // The menu commands and the system request that open the preferences window.
    // Each case gives a menu item (menu: disabled until its menu opens; edit: enabled), closes the window or
    // sends a system request with a system version, or presses a key; tests/shell/commands.txt keeps the
    // messages and file types, the comment field and the clipboard, then whether a question was asked, the about
    // box and the preferences show, the request was handled, the Fichier menu is open, and the quit status.
    void commands()
    {
        KeptLines::check(QFINDTESTDATA("commands.txt"), [&](const QString &input, QStringList &made) {
            program.start();
            const QStringList words = input.split(' ');
            Window1 &w = program.window();
            QTest::mouseClick(&Bienvenue::instance(), Qt::LeftButton); // a click sends the welcome away
            program.answer(1);
            program.platform.version = words.value(3, "-1").toInt();
            QGuiApplication::clipboard()->setText("Est");
            w.activateWindow();
            w.Commentaire->setFocus();
            QTRY_VERIFY(w.Commentaire->hasFocus());
            w.Commentaire->setText("Virage nord");
            w.Commentaire->setSelection(0, 6);
            if (input.endsWith("unfocused"))
                w.Commentaire->clearFocus();
            const bool handled = words[0] == "event" && App().HandleAppleEvent(words[1], words[2]);
            if (words[0] == "close")
                w.close();
            if (words[0] == "key") // F10 opens "Fichier", as elsewhere on the desktop
                QTest::keyClick(w.Commentaire, Qt::Key_F10);
            if (words[0] == "menu" || words[0] == "edit") {
                item(words[1])->setEnabled(words[0] == "edit"); // each menu enables its commands as it opens
                for (QMenu *menu : w.menuBar()->findChildren<QMenu *>())
                    emit menu->aboutToShow();
                item(words[1])->trigger();
            }
            made << (program.platform.messages + program.platform.fileTypes).join(' ') + " [" + w.Commentaire->text() +
                        "] " + QGuiApplication::clipboard()->text() +
                        QString::asprintf(" %d%d%d%d%d quit%d", program.platform.dialogScripts.isEmpty(),
                                          Bienvenue::instance().isVisible(), pref_interm::instance().isVisible(),
                                          handled, w.menuBar()->findChild<QMenu *>("UntitledMenu3")->isVisible(),
                                          program.platform.quits.value(0, -1));
        });
    }

    // The program's own questions and windows.
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
                QVERIFY(!d.isVisible()); // or the program would wait for it for ever
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

    // Every window as a user and a screen reader meet it: each named control, menu item and timer, with what
    // shows of it. tests/shell/windows.txt keeps them.
    void windowsAsMet()
    {
        Fonctions_fenetres_divreses::type_message("", "", "", "", 0, 0);
        Fonctions_fenetres_divreses::Type_answer("", "", "", "", "", 0, 0);
        QVERIFY(!program.window().windowIcon().pixmap(32).isNull()); // drawn: a missing SVG plugin gives none
        QCOMPARE(QGuiApplication::desktopFileName(), "org.veltiming.VelTiming"); // the desktop's icon and entry
        const QStringList properties =
            QString("windowTitle text title toolTip accessibleName accessibleDescription "
                    "alignment wordWrap default autoDefault checked enabled focusPolicy "
                    "shortcut autoRepeatDelay autoRepeatInterval menuRole interval singleShot active timerType "
                    "frameShape frameShadow headerHidden modal")
                .split(' ');
        QStringList lines;
        for (QObject *window : QList<QObject *>{&program.window(), &alerte_vel::instance(), &Bienvenue::instance(),
                                                &Demande_message_timer::instance(), &pref_interm::instance(),
                                                &fenetre_message::instance(), &fenetre_answer::instance()})
            for (QObject *object : QList<QObject *>{window} + window->findChildren<QObject *>()) {
                QString line = object->metaObject()->className() + QString(' ') + object->objectName();
                for (const QString &name : properties)
                    if (const QVariant value = object->property(name.toLatin1()); value.isValid() && value != QString())
                        line += QString(" %1=%2").arg(name,
                                                      value.typeId() != QMetaType::QString && value.toString().isEmpty()
                                                          ? QString::number(value.toInt())
                                                          : value.toString());
                if (auto *widget = qobject_cast<QWidget *>(object))
                    line += (widget->focusPolicy() & Qt::TabFocus ? " tab>" + widget->nextInFocusChain()->objectName()
                                                                  : QString()) +
                            (widget->isVisibleTo(widget->window()) ? " shown" : " hidden") +
                            (widget->isWindow()
                                 ? QString(" flags=%1 %2x%3%4")
                                       .arg(widget->windowFlags())
                                       .arg(widget->width())
                                       .arg(widget->height())
                                       .arg(widget->testAttribute(Qt::WA_ShowWithoutActivating) ? " quietly" : "")
                                 : QString());
                if (!object->objectName().isEmpty() && !object->objectName().startsWith("qt_") &&
                    !object->objectName().startsWith('_'))
                    lines << line;
            }
        KeptLines::compare(QFINDTESTDATA("windows.txt"), lines);
    }

    // Texts in a colour of their own keep it, on a light ground of their own under a dark desktop palette, also
    // when the desktop turns dark under the running program; under a light one only the display fills its ground.
    void ownColours()
    {
        Window1 &w = program.window();
        QStringList grounds;
        for (const bool dark : {false, true}) {
            QApplication::setPalette(dark ? QPalette(QColor(53, 53, 53)) : QApplication::style()->standardPalette());
            QCoreApplication::processEvents();
            for (const QLabel *label : {w.StaticText2, w.StaticText3, w.StaticText4})
                grounds << QString::number(label->autoFillBackground()) +
                               (label->palette().color(QPalette::Window).lightness() > 200 ? "L" : "D") +
                               label->palette().color(QPalette::WindowText).name();
        }
        QApplication::setPalette(QApplication::style()->standardPalette());
        QCOMPARE(grounds.join(' '), "1L#502c99 0L#280d93 0L#280d93 1L#502c99 1L#280d93 1L#280d93");
    }

    void cursorBlinkingStopsAndInputRestartsIt()
    {
        QApplication::setCursorFlashTime(1000);
        CursorBlink blink(nullptr, 50);
        QLineEdit field;
        field.show();
        QTRY_COMPARE(QApplication::cursorFlashTime(), 0); // 50 ms without input
        QTest::keyClick(&field, Qt::Key_A);
        QCOMPARE(QApplication::cursorFlashTime(), 1000);
        blink.stopBlinking();
        QTest::mouseClick(&field, Qt::LeftButton);
        QCOMPARE(QApplication::cursorFlashTime(), 1000);
    }
};

VEL_TEST_MAIN(TestShell)
#include "test_shell.moc"
