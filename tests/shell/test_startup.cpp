#include "core/frame_correction.h"
#include "core/preference_records.h"
#include "core/variables_globales.h"
#include "dialogs/fenetre_message.h"
#include "main_window/window1.h"
#include "program_fixture.h"
#include "shell/bienvenue.h"
#include "shell/pref_interm.h"
#include "widgets/list_box.h"
#include "widgets/little_arrows.h"

#include <QtWidgets>

using PreferenceRecords::write;
static const auto kEx = QByteArray::fromHex("02323002353003333537033532300130013101310453746F7003333030013204546F7572");
static const QString kRest =
    " 520x357 2/timer arrows1 0:05:00:00 300/300 shown [Tour] [Stop] 011 011 tags12 111 [] [] 0";
static const QString kPlain = "|00|20,50 520x357 1/chrono arrows0 0:00:00:00 300/300 ";
static const QString kTail = " Certains problèmes d'affichage peuvent se poser.\nSi vous voulez lancer VelTiming "
                             "malgré tout, cliquez sur \"Continuer\".|31|";

// Start-up restores the settings, the preferences window changes them, quitting writes them.
class TestStartup : public QObject {
    Q_OBJECT
    ProgramFixture program;
    QTemporaryDir folder;

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
            w.ListBox1->isColumnHidden(2) ? "hidden" : "shown", qUtf8Printable(w.preftexteligne->text()),
            qUtf8Printable(vg.pref_texte_timer), vg.demande_message_ou_pas, vg.voir_ecarts, vg.pref_tips,
            p.CheckBox1->isChecked(), p.CheckBox2->isChecked(), p.CheckBox3->isChecked(), tags,
            w.StaticText3->text() == "dimanche 6 décembre 2026", program.controls() == kIdle,
            Bienvenue::instance().isVisible(), qUtf8Printable(p.chaine_interm->text()),
            qUtf8Printable(p.timer_defaut->text()), p.isVisible());
    }

    void startWith(const QString &fonts, const QByteArray &file)
    {
        QFile stored(folder.filePath("Pref Vel Timing"));
        QVERIFY(file.isEmpty() ? !stored.exists() || stored.remove()
                               : stored.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && stored.write(file) >= 0);
        program.asked.clear();
        program.start([&](FakePlatform &p) {
            p.preferences = folder.path();
            p.fonts = fonts.chopped(2).split(',');
            program.answer(fonts.right(1).toInt()); // for the missing fonts warning
        });
    }

private slots:
    void restoreAndChange_data()
    {
        QTest::addColumn<QString>("fonts"); // then the button pressed at the warning
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("steps");    // preferences: the boxes, then buttons 1-3, Return, Escape, 0 to reopen
        QTest::addColumn<QString>("expected"); // the warning, the message's icon and default button, the settings
        const QString fonts = "Helvetica,Courier 0";
        const QByteArray off = write({"20", "50", "357", "520", "0", "0", "0", "Fini", "300", "1", "Tour"});
        // clang-format off
        QTest::newRow("first launch") << fonts << QByteArray() << "" << kPlain + "shown [Temps intermédiaire ] [Temps écoulé!] 011 011 tags12 111 [] [] 0";
        QTest::newRow("example, fonts in other case") << "HELVETICA,courier 0" << kEx << "" << "|00|20,50" + kRest;
        QTest::newRow("all off, empty texts, preset too short") << fonts << write({"-40", "120", "400", "560", "1", "0", "0", "", "2", "7", ""}) << ""
                                              << "|00|0,120 560x400 2/timer arrows1 0:00:05:00 5/5 hidden [Intermédiaire] [] 100 100 tags0 111 [] [] 0";
        QTest::newRow("below the screen, font clones") << "Nimbus Sans [urw],Nimbus Mono PS [UKWN] 0" << write({"10", "901"}) + kEx.mid(6) << "" << "|00|10,543" + kRest;
        QTest::newRow("no number for a preset") << fonts << kEx.left(25) + write({"abc"}) + kEx.mid(29) << "" << "|00|20,50" + kRest;
        QTest::newRow("huge frame and preset") << fonts << write({"2147483647", "-2147483648", "2147483647", "2147483647", "0", "1", "1", "Stop", "99999999", "2", "Tour"}) << ""
                                               << "|00|0,0 1440x900 2/timer arrows1 999:00:00:00 3596400/3596400 shown [Tour] [Stop] 011 011 tags12 111 [] [] 0";
        QTest::newRow("no Courier, Continuer") << "Helvetica,Courier New 2" << kEx << "" << "La police \"Courier\" n'est pas installée." + kTail + "20,50" + kRest;
        QTest::newRow("no Helvetica, Quitter") << "Helvetica Neue,Courier 1" << kEx << "" << "La police \"Helvetica\" n'est pas installée." + kTail + "quit 0";
        QTest::newRow("neither, Quitter") << "DejaVu Sans 1" << kEx << "" << "Les polices \"Helvetica\", \"Courier\" ne sont pas installées." + kTail + "quit 0";
        QTest::newRow("window: typed, Return") << fonts << off << "111 R" << kPlain + "shown [Étape] [Fini] 111 111 tags12 111 [Étape] [Fini] 0";
        QTest::newRow("window: defaults, OK") << fonts << off << "010 31" << kPlain + "shown [Temps intermédiaire ] [Temps écoulé!] 010 010 tags0 111 [Temps intermédiaire ] [Temps écoulé!] 0";
        QTest::newRow("window: Annuler, again") << fonts << off << "111 20" << kPlain + "hidden [Tour] [Fini] 000 011 tags0 111 [Tour] [Fini] 1";
        QTest::newRow("window: Escape") << fonts << off << "100 E" << kPlain + "hidden [Tour] [Fini] 000 100 tags0 111 [Étape] [Fini] 0";
        // clang-format on
    }
    void restoreAndChange()
    {
        QFETCH(QString, fonts);
        QFETCH(QByteArray, file);
        QFETCH(QString, steps);
        startWith(fonts, file);
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
        QTEST(program.asked.join("") + QString::asprintf("|%d%d|", m.icone_fenetre, m.PushButton1->isDefault()) +
                  (Window1::exists() ? settings() : QString::asprintf("quit %d", program.platform.quits.value(0))),
              "expected");
    }

    void frameOnAScreen_data()
    {
        QTest::addColumn<QList<int>>("stored"); // left, top, height, width
        QTest::addColumn<QRect>("frame");
        const int max = std::numeric_limits<int>::max(), min = std::numeric_limits<int>::min();
        // clang-format off
        QTest::newRow("on the left screen") << QList<int>{-900, 100, 357, 520} << QRect(-900, 100, 520, 357);
        QTest::newRow("mostly on the left one") << QList<int>{-300, 100, 357, 520} << QRect(-520, 100, 520, 357);
        QTest::newRow("where a screen was") << QList<int>{-3000, -400, 357, 520} << QRect(0, 0, 520, 357);
        QTest::newRow("past the far corner") << QList<int>{1400, 880, 357, 520} << QRect(920, 543, 520, 357);
        QTest::newRow("larger than the screen") << QList<int>{min, min, max, max} << QRect(0, 0, 1440, 900);
        // clang-format on
    }
    void frameOnAScreen()
    {
        QFETCH(QList<int>, stored);
        const QList<QRect> screens{QRect(0, 0, 1440, 900), QRect(-1280, 0, 1280, 1024)};
        QTEST(FrameCorrection::onScreen(stored[0], stored[1], stored[2], stored[3], screens), "frame");
    }

    // A second start leaves the first one's list alone, and brings its window forward.
    void secondStart()
    {
        program.start([](FakePlatform &p) { p.sole = false; });
        QVERIFY(!Window1::exists() && program.platform.quits == QList<int>{0});
        program.start();
        program.window().showMinimized();
        program.platform.raiseRequest();
        QVERIFY(program.window().isVisible() && !program.window().isMinimized());
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
};

VEL_TEST_MAIN(TestStartup)
#include "test_startup.moc"
