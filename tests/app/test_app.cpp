// Start-up restores the settings, the preferences window changes them, they are written as they change and at
// quit; the menus' commands, the program's questions and its windows as a user meets them.
#include "app/about_window.h"
#include "app/cursor_blink.h"
#include "core/preference_records.h"
#include "core/remote_protocol.h"
#include "core/timekeeper.h"
#include "kept_lines.h"
#include "platform/whole_file.h"
#include "program_fixture.h"
#include "questions/comment_dialog.h"
#include "settings/preferences_file.h"
#include "settings/preferences_window.h"
#include "timing/alert_message_dialog.h"
#include "timing/alert_window.h"
#include "widgets/lap_list_view.h"
#include "widgets/preset_arrows.h"

#include <QtWidgets>

using PreferenceRecords::write;

class TestApp : public QObject {
    Q_OBJECT
    ProgramFixture program;
    QTemporaryDir folder;
    QAction *item(const QString &name) const { return program.window().menuBar()->findChild<QAction *>(name); }
    PreferencesWindow *preferences() const { return program.application().preferences(); }
    QString yes(bool value) const { return value ? "yes" : "no"; }

    // The settings as the program shows and holds them, in named columns.
    QString settings() const
    {
        const MainWindow &w = program.window();
        const auto *list = program.control<LapListView>("ListBox1");
        QStringList widths;
        for (int column = 0; column < 3; ++column)
            widths << QString::number(list->isColumnHidden(column) ? 0 : list->columnWidth(column));
        const Preferences &s = program.timekeeper().settings().values();
        const QRect frame = w.contentFrame();
        int tags = 0;
        for (QWidget *tagged : w.findChildren<QWidget *>())
            tags += !tagged->toolTip().isEmpty();
        QString window = "-";
        if (const PreferencesWindow *p = preferences()) {
            const auto box = [&](const char *name) { return yes(p->findChild<QCheckBox *>(name)->isChecked()); };
            window = QString("%1 [%2] [%3] ask %4, differences %5, tags %6")
                         .arg(p->isVisible() ? "shown" : "hidden", p->findChild<QLineEdit *>("chaine_interm")->text(),
                              p->findChild<QLineEdit *>("timer_defaut")->text(), box("CheckBox1"), box("CheckBox2"),
                              box("CheckBox3"));
        }
        return KeptLines::filled(
            "frame %1,%2 %3x%4 | %5, arrows %6 | display %7 | preset %8 | columns %9 of %10 | label [%11] | message "
            "[%12] | ask %13, differences %14, tags %15: %16 tagged | idle %17 | welcome %18 | preferences %19",
            frame.left(), frame.top(), frame.width(), frame.height(), s.timerMode ? "Timer" : "Chronomètre",
            yes(program.control("LittleArrows1")->isVisible()), program.display(), s.preset, widths.join(','),
            list->viewport()->width(), s.lapLabel, s.alertMessage, yes(s.askMessage), yes(s.showDifferences),
            yes(s.showHelpTags), tags, yes(program.controls() == kIdle),
            yes(program.application().about()->isVisible()), window);
    }

private slots:
    void init() { program.start(); }

    // Each case gives the fonts installed and the button pressed at their warning, the stored records (- for no
    // file), then in the preferences window the boxes, buttons 1-3, Return, Escape, or 0 to open it again; what
    // each gives, tests/app/settings.txt keeps: the warning and its buttons, or the settings.
    void restoreAndChange()
    {
        KeptLines::check(QFINDTESTDATA("settings.txt"), [&](const QString &input, QStringList &made) {
            const QStringList fields = input.split('|');
            const QString fonts = fields[0].trimmed(), records = fields[1].trimmed(), steps = fields[2].trimmed();
            QVERIFY(records == "-"
                        ? !QFile::exists(folder.filePath("Pref Vel Timing")) ||
                              QFile::remove(folder.filePath("Pref Vel Timing"))
                        : WholeFile::write(folder.filePath("Pref Vel Timing"), write(records.toUtf8().split(';')))
                              .isEmpty());
            program.start([&](FakePlatform &p) {
                p.preferences = folder.path();
                p.fonts = fonts.chopped(2).split(',');
                program.answer(fonts.right(1).toInt()); // for the missing fonts warning
            });
            if (!steps.isEmpty()) {
                item("meneditionitempref")->trigger();
                preferences()->findChild<QLineEdit *>("chaine_interm")->setText("Étape");
            }
            for (int i = 0; i < 3 && !steps.isEmpty(); ++i)
                preferences()
                    ->findChild<QCheckBox *>(QString::asprintf("CheckBox%d", i + 1))
                    ->setChecked(steps[i] == '1');
            for (const QChar key : steps.mid(4)) {
                if (key == '0')
                    item("meneditionitempref")->trigger();
                else if (key.isDigit())
                    QTest::mouseClick(preferences()->findChild<QPushButton *>(QString("PushButton") + key),
                                      Qt::LeftButton);
                else
                    QTest::keyClick(preferences()->findChild<QLineEdit *>("timer_defaut"),
                                    key == 'R' ? Qt::Key_Return : Qt::Key_Escape);
            }
            made << (program.asked.isEmpty() ? "" : program.asked.join("") + " [" + program.buttons.join("") + "] ") +
                        (program.application().window() ? settings()
                                                        : QString("quit %1").arg(program.platform.quits.value(0, -1)));
        });
    }

    // The key from anywhere: one another program holds is told and not kept; one chosen is held and kept beside the
    // records; its presses start a run, then take a lap at their stamp, and wait while a question does; the next
    // start holds it again.
    void globalKey()
    {
        const QKeyCombination taken = Qt::CTRL | Qt::Key_F9, chosen = Qt::CTRL | Qt::ALT | Qt::Key_L;
        const auto choose = [&](QKeyCombination key) {
            item("meneditionitempref")->trigger();
            preferences()->findChild<QKeySequenceEdit *>("touche_globale")->setKeySequence(key);
            QTest::mouseClick(preferences()->findChild<QPushButton *>("PushButton1"), Qt::LeftButton);
        };
        for (const bool again : {false, true}) {
            program.start([&](FakePlatform &p) {
                p.preferences = folder.path();
                p.takenKeys = {taken};
                p.keyUnavailable = again ? "Pas de touche ici." : "";
            });
            FakePlatform &p = program.platform;
            program.endWelcome();
            if (again) { // and where the desktop lets no program hold one, the preferences say why in its place
                QCOMPARE(p.heldKey, chosen);
                item("meneditionitempref")->trigger();
                QCOMPARE(preferences()->findChild<QLabel *>("StaticText4")->text(), "Pas de touche ici.");
                QVERIFY(!preferences()->findChild<QKeySequenceEdit *>("touche_globale")->isVisible());
                break;
            }
            choose(taken);
            QVERIFY(PreferencesFile::globalKey(folder.path()).isEmpty());
            choose(chosen);
            QCOMPARE(p.messages, QStringList({"La touche « Ctrl+F9 » ne peut pas prendre les temps intermédiaires : un "
                                              "autre programme l'a déjà prise. Elle n'est pas gardée."}));
            p.globalKeyPressed(p.monotonicMilliseconds());
            p.advance(2);
            QTest::keyPress(&program.window(), Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier); // the chord's
            p.globalKeyPressed(p.monotonicMilliseconds() - 500);
            QCOMPARE(program.control<LapListView>("ListBox1")->selectionModel()->selectedRows().size(), 1);
            p.dialogScripts << [&](QDialog &) { p.globalKeyPressed(p.monotonicMilliseconds()); };
            program.trigger("EditClear");
            QCOMPARE(program.rowCount(), 2);
            QCOMPARE(program.row(1).value(1), "0:00:01:50");
            QCOMPARE(p.beeps, 1);
        }
    }

    // A second start leaves the first one's list alone, and brings its window forward.
    void secondStart()
    {
        program.start([](FakePlatform &p) { p.sole = false; });
        QVERIFY(!program.application().window() && program.platform.quits == QList<int>{0});
        program.start();
        QTRY_VERIFY(!program.application().about()->isVisible()); // the welcome goes by itself
        program.window().showMinimized();
        program.window().hide(); // as some desktops take a minimized window off the screen
        program.platform.askInstance(RemoteProtocol::encode({RemoteProtocol::Operation::Show}));
        QVERIFY(program.window().isVisible() && !program.window().isMinimized());
    }

    // A setting is written as it changes, so a kill loses none: the preset, the mode, the preferences window, the
    // window maximized (beside the eleven records). A folder that cannot be made is told at quit, and written to
    // once it can; under Wayland the window's place read at start-up is kept.
    void settingsKeptAsTheyChange()
    {
        const QString blocked = folder.filePath("blocker/sub");
        QVERIFY(QFile(folder.filePath("blocker")).open(QIODevice::WriteOnly)); // a file where the folder goes
        program.start([&](FakePlatform &p) { p.preferences = blocked; });
        QStringList seen;
        const auto step = [&](const std::function<void()> &change) {
            change();
            const std::optional<Preferences> p = PreferencesFile::load(blocked);
            QFile file(PreferencesFile::path(blocked)); // the mode as its record holds it: 1 or 2
            seen << (!p || !file.open(QIODevice::ReadOnly)
                         ? "none"
                         : KeptLines::filled("%1,%2 %3 mode %4 [%5] [%6] max%7", p->left, p->top, p->preset,
                                             PreferenceRecords::read(file.readAll(), 11).value(9), p->lapLabel,
                                             p->alertMessage, int(PreferencesFile::maximized(blocked))));
        };
        MainWindow &w = program.window();
        step([&] { QTest::mouseClick(program.control<PresetArrows>("LittleArrows1")->upButton(), Qt::LeftButton); });
        step([&] { program.application().close(); });
        QVERIFY(QFile::remove(folder.filePath("blocker")));
        step([&] { QTest::mouseClick(program.control("RadioButton2"), Qt::LeftButton); });
        step([&] {
            item("meneditionitempref")->trigger();
            auto *message = preferences()->findChild<QLineEdit *>("timer_defaut");
            preferences()->findChild<QLineEdit *>("chaine_interm")->setText("Tour de piste");
            message->setText(QString(300, u'é')); // cut to the 255 bytes a record holds, whole characters
            QCOMPARE(message->text(), QString(127, u'é'));
            message->setText("Fini");
            QTest::mouseClick(preferences()->findChild<QPushButton *>("PushButton1"), Qt::LeftButton);
        });
        step([&] {
            w.showMaximized();
            QTRY_VERIFY(w.isMaximized());
        });
        step([&] { // moved, and quit
            w.showNormal();
            w.setContentFrame(QRect(40, 120, 560, 400));
            program.application().close();
        });
        step([&] {
            program.platform.positionKnown = false; // as under Wayland: a place read as 0, 19 is not written
            w.setContentFrame(QRect(0, 19, 560, 400));
            program.application().close();
        });
        QCOMPARE(seen, QStringList({"none", "none", "20,50 301 mode 2 [Temps intermédiaire ] [Temps écoulé!] max0",
                                    "20,50 301 mode 2 [Tour de piste] [Fini] max0",
                                    "20,50 301 mode 2 [Tour de piste] [Fini] max1",
                                    "40,120 301 mode 2 [Tour de piste] [Fini] max0",
                                    "20,50 301 mode 2 [Tour de piste] [Fini] max0"}));
        QCOMPARE(program.platform.messages, // once: the second quit wrote
                 QStringList(QString("Impossible d'enregistrer les préférences dans « %1/Pref Vel Timing » : le "
                                     "dossier « %1 » ne peut pas être créé")
                                 .arg(blocked)));
        PreferencesFile::setMaximized(blocked, true); // a maximized window comes back maximized
        program.start([&](FakePlatform &p) { p.preferences = blocked; });
        QTRY_VERIFY(program.window().isMaximized());
    }

    // Each case gives a menu item, or closes the window, or presses a key; tests/app/commands.txt keeps the
    // messages, the file dialogs, the questions left, then whether the about box, the preferences and the Fichier
    // menu show, and the quit status.
    void commands()
    {
        KeptLines::check(QFINDTESTDATA("commands.txt"), [&](const QString &input, QStringList &made) {
            program.start();
            QTest::mouseClick(program.application().about(), Qt::LeftButton); // a click sends the welcome away
            program.answer(1);
            MainWindow &w = program.window();
            w.activateWindow();
            QTRY_VERIFY(w.isActiveWindow());
            const QStringList words = input.split(' ');
            if (words[0] == "close")
                w.close();
            else if (words[0] == "key") // F10 opens "Fichier", as elsewhere on the desktop
                QTest::keyClick(program.control("Commentaire"), Qt::Key_F10);
            else
                item(words[1])->trigger();
            made << KeptLines::filled(
                "%1 | file dialogs %2 | questions left %3 | about %4, preferences %5, Fichier %6 | quit %7",
                program.platform.messages.join(' '), program.platform.fileDialogs,
                program.platform.dialogScripts.size(), yes(program.application().about()->isVisible()),
                yes(preferences() && preferences()->isVisible()),
                yes(w.menuBar()->findChild<QMenu *>("UntitledMenu3")->isVisible()),
                program.platform.quits.value(0, -1));
        });
    }

    // Every window as a user and a screen reader meet it: titles, modality and frames, the order Tab goes in,
    // enabled states and the texts of the controls, their help tags and names. tests/app/windows.txt keeps them.
    void windowsAsMet()
    {
        QVERIFY(!program.window().windowIcon().pixmap(32).isNull()); // drawn: a missing SVG plugin gives none
        QCOMPARE(QGuiApplication::desktopFileName(), "org.veltiming.VelTiming"); // the desktop's icon and entry
        QStringList lines;
        const auto describe = [&](QWidget *window) {
            const Qt::WindowFlags flags = window->windowFlags();
            lines << QString("== %1: \"%2\"%3%4%5%6")
                         .arg(window->objectName(), window->windowTitle(), window->isModal() ? ", modal" : "",
                              flags.testFlag(Qt::WindowStaysOnTopHint) ? ", on top" : "",
                              flags.testFlag(Qt::FramelessWindowHint) ? ", no frame" : "",
                              flags.testFlag(Qt::CustomizeWindowHint) && !flags.testFlag(Qt::WindowCloseButtonHint)
                                  ? ", no close box"
                                  : "");
            QStringList tab;
            for (QWidget *next = window->nextInFocusChain(); next != window; next = next->nextInFocusChain())
                if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(window) && !next->objectName().isEmpty())
                    tab << next->objectName();
            lines << "tab: " + tab.join(" > ");
            for (QWidget *control : window->findChildren<QWidget *>()) {
                if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
                    continue;
                QString line = control->objectName() + ':';
                for (const char *text : {"text", "title"}) // a button's, a label's or a group's
                    if (const QVariant value = control->property(text);
                        value.isValid() && !qobject_cast<QLineEdit *>(control))
                        line += " \"" + value.toString() + '"';
                if (const auto *label = qobject_cast<QLabel *>(control))
                    line += " " + QMetaEnum::fromType<Qt::Alignment>().valueToKeys(int(label->alignment())) +
                            (label->wordWrap() ? " wrapped" : "");
                for (const char *state : {"checked", "default"})
                    line += control->property(state).toBool() ? QString(' ') + state : "";
                line +=
                    QString(control->isEnabled() ? "" : " disabled") + (control->isVisibleTo(window) ? "" : " hidden");
                if (!window->rect().contains(QRect(control->mapTo(window, QPoint()), control->size())))
                    line += " cut off by its window";
                if (const auto *view = qobject_cast<QTableView *>(control))
                    line += view->horizontalHeader()->isHidden() ? " no headings" : " headings";
                for (const auto &[what, text] :
                     {std::pair("tip", control->toolTip()), std::pair("name", control->accessibleName()),
                      std::pair("described", control->accessibleDescription())})
                    if (!text.isEmpty())
                        line += QString(" %1 \"%2\"").arg(what, text);
                lines << line;
            }
        };
        describe(&program.window());
        for (QAction *action : program.window().menuBar()->findChildren<QAction *>())
            if (!action->objectName().isEmpty())
                lines << action->objectName() + ": \"" + action->text() + "\" " + action->shortcut().toString() +
                             (action->isEnabled() ? "" : " disabled");
        describe(program.application().about());
        program.application().showPreferences();
        describe(preferences());
        program.platform.dialogScripts << [&](QDialog &d) { describe(&d); } << [&](QDialog &d) { describe(&d); };
        QuestionDialog::ask(program.platform, nullptr, {"Question", "Un", "Deux", IconCanvas::Icon::Stop, 2});
        CommentDialog::ask(program.platform, nullptr, "Commentaire");
        AlertWindow alert;
        alert.showMessage("Fini", {1440, 900});
        AlertMessageDialog question("Temps écoulé!", nullptr);
        for (QWidget *window : {static_cast<QWidget *>(&alert), static_cast<QWidget *>(&question)})
            describe(window);
        KeptLines::compare(QFINDTESTDATA("windows.txt"), lines);
    }

    // Texts in a colour of their own keep it, on a light ground of their own under a dark desktop palette, also
    // when the desktop turns dark under the running program; under a light one only the display fills its ground.
    void ownColours()
    {
        QStringList grounds;
        // Light, dark, and a grey just light enough to be left as it is.
        for (const QPalette &palette : {QApplication::style()->standardPalette(), QPalette(QColor(53, 53, 53)),
                                        QPalette(QColor(128, 128, 128))}) {
            QApplication::setPalette(palette);
            QCoreApplication::processEvents();
            for (const char *name : {"StaticText2", "StaticText3", "StaticText4"}) {
                const QLabel *label = program.control<QLabel>(name);
                grounds << QString::number(label->autoFillBackground()) +
                               (label->palette().color(QPalette::Window).lightness() > 200 ? "L" : "D") +
                               label->palette().color(QPalette::WindowText).name();
            }
        }
        QApplication::setPalette(QApplication::style()->standardPalette());
        QCOMPARE(grounds.join(' '),
                 "1L#502c99 0L#280d93 0L#280d93 1L#502c99 1L#280d93 1L#280d93 1D#502c99 0D#280d93 0D#280d93");
    }

    void cursorBlinkingStopsAndInputRestartsIt()
    {
        QApplication::setCursorFlashTime(1000);
        CursorBlink blink(nullptr, 50);
        QLineEdit field;
        field.show();
        QTRY_COMPARE(QApplication::cursorFlashTime(), 0);  // 50 ms without input
        QVERIFY(!blink.findChild<QTimer *>()->isActive()); // and no more wake-ups
        QTest::keyClick(&field, Qt::Key_A);
        QCOMPARE(QApplication::cursorFlashTime(), 1000);
        blink.stopBlinking();
        QTest::mouseClick(&field, Qt::LeftButton);
        QCOMPARE(QApplication::cursorFlashTime(), 1000);
    }
};

VEL_TEST_MAIN(TestApp)
#include "test_app.moc"
