#include "engine/fenetre_message.h"
#include "engine/list_box.h"
#include "engine/little_arrows.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "program_fixture.h"
#include "shell/bienvenue.h"
#include "shell/font_check.h"
#include "shell/pref_interm.h"
#include "shell/preferences.h"
#include "shell/preferences_file.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

class TestStartup : public QObject {
    Q_OBJECT
    ProgramFixture program;
    QTemporaryDir folder;

    QString preferencesPath() const { return PreferencesFile::path(folder.path()); }

    void writePreferences(const Preferences &p)
    {
        QFile file(preferencesPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(p.encode());
    }

    QByteArray storedBytes() const
    {
        QFile file(preferencesPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void startInFolder(const QSize &screen = QSize(1440, 900))
    {
        program.start([&](FakePlatform &p) {
            p.preferences = folder.path();
            p.screen = screen;
        });
    }

    static QStringList helpTagsOn(const QList<HelpTag> &tags)
    {
        QStringList texts;
        for (const HelpTag &tag : tags)
            texts.append(tag.control->toolTip());
        return texts;
    }

private slots:
    void init() { QFile::remove(preferencesPath()); }

    void firstLaunchSettings()
    {
        startInFolder();
        Window1 &w = program.window();
        QCOMPARE(w.contentFrame(), QRect(20, 50, 520, 357));
        QVERIFY(w.RadioButton1->isChecked());
        QVERIFY(!w.LittleArrows1->isVisible());
        QCOMPARE(w.ListBox1->columnWidths(), QStringLiteral("50%,25%,25%"));
        QCOMPARE(w.preftexteligne->text(), QStringLiteral("Temps intermédiaire "));
        const auto &vg = Variables_globales;
        QVERIFY(!vg.demande_message_ou_pas);
        QVERIFY(vg.voir_ecarts);
        QVERIFY(vg.pref_tips);
        QVERIFY(!vg.mode_timer);
        QCOMPARE(vg.pref_texte_timer, QStringLiteral("Temps écoulé!"));
        pref_interm &prefs = pref_interm::instance();
        QVERIFY(!prefs.isVisible());
        QVERIFY(!prefs.CheckBox1->isChecked());
        QVERIFY(prefs.CheckBox2->isChecked());
        QVERIFY(prefs.CheckBox3->isChecked());
        QVERIFY(Bienvenue::instance().isVisible());
        QVERIFY(w.isVisible());
        QVERIFY(!w.ListBox1->toolTip().isEmpty());
        QVERIFY(storedBytes().isEmpty());
    }

    void restoresAStoredFile()
    {
        Preferences p;
        p.left = 33;
        p.top = 44;
        p.hauteur = 420;
        p.largeur = 580;
        p.demandeMessage = true;
        p.voirEcarts = false;
        p.prefTips = false;
        p.texteTimer = QString();
        p.preset = QStringLiteral("90");
        p.chronometre = false;
        writePreferences(p);
        QVERIFY(QFile(preferencesPath()).resize(p.encode().size() - 1)); // record 11 now claims too much
        startInFolder();

        Window1 &w = program.window();
        const auto &vg = Variables_globales;
        QCOMPARE(w.contentFrame(), QRect(33, 44, 580, 420));
        QVERIFY(w.RadioButton2->isChecked());
        QVERIFY(!w.RadioButton1->isChecked());
        QVERIFY(w.LittleArrows1->isVisible());
        QVERIFY(vg.mode_timer);
        QCOMPARE(w.ListBox1->columnWidths(), QStringLiteral("75%,25%,0%"));
        QCOMPARE(w.StaticText1->text(), QStringLiteral("90"));
        QCOMPARE(w.Preference_vel_Timer->text(), QStringLiteral("90"));
        QCOMPARE(w.preftexteligne->text(), QStringLiteral("Intermédiaire"));
        QVERIFY(vg.demande_message_ou_pas);
        QVERIFY(!vg.voir_ecarts);
        QVERIFY(!vg.pref_tips);
        QCOMPARE(vg.pref_texte_timer, QString());
        pref_interm &prefs = pref_interm::instance();
        QVERIFY(prefs.CheckBox1->isChecked());
        QVERIFY(!prefs.CheckBox2->isChecked());
        QVERIFY(!prefs.CheckBox3->isChecked());
        QCOMPARE(helpTagsOn(w.helpTags() + prefs.helpTags()), QStringList(12, QString()));
        QVERIFY(!w.LittleArrows1->toolTip().isEmpty());
        QVERIFY(!w.bt_pause->isEnabled());
        QVERIFY(Bienvenue::instance().isVisible());
    }

    void offScreenCorrection_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("top below the screen") << 10 << 901 << QPoint(1240, 700);
        QTest::newRow("left beyond the screen") << 1441 << 10 << QPoint(1240, 700);
        QTest::newRow("on the edges") << 1440 << 900 << QPoint(1440, 900);
        QTest::newRow("negative") << -300 << -20 << QPoint(-300, -20);
    }

    void offScreenCorrection()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(QPoint, placed);
        Preferences p;
        p.left = left;
        p.top = top;
        writePreferences(p);
        startInFolder(QSize(1440, 900));
        QCOMPARE(Variables_globales.coord_win1_left, placed.x());
        QCOMPARE(Variables_globales.coord_win1_top, placed.y());
        QCOMPARE(program.window().contentFrame().topLeft(), placed);
    }

    void fontWarnings_data()
    {
        QTest::addColumn<QStringList>("fonts");
        QTest::addColumn<QString>("warning");
        const QString tail = QStringLiteral(" Certains problèmes d'affichage peuvent se poser.\rSi vous voulez lancer "
                                            "VelTiming malgré tout, cliquez sur \"Continuer\".");
        QTest::newRow("both, other case") << QStringList{"HELVETICA", "courier"} << QString();
        QTest::newRow("clones") << QStringList{"Nimbus Sans", "TeX Gyre Cursor"} << QString();
        QTest::newRow("clones by foundry") << QStringList{"Nimbus Sans [urw]", "Nimbus Mono PS [UKWN]"} << QString();
        QTest::newRow("Courier missing") << QStringList{"Helvetica", "Courier New"}
                                         << "La police \"Courier\" n'est pas installée." + tail;
        QTest::newRow("Helvetica missing")
            << QStringList{"FreeMono", "Helvetica Neue"} << "La police \"Helvetica\" n'est pas installée." + tail;
        QTest::newRow("both missing") << QStringList{"DejaVu Sans"}
                                      << "Les polices \"Helvetica\", \"Courier\" ne sont pas installées." + tail;
    }

    void fontWarnings()
    {
        QFETCH(QStringList, fonts);
        QFETCH(QString, warning);
        QCOMPARE(FontCheck::warning(fonts), warning);
    }

    void quitAtTheFontWarning()
    {
        writePreferences(Preferences());
        const QByteArray before = storedBytes();
        QString shown;
        program.start([&](FakePlatform &p) {
            p.preferences = folder.path();
            p.fonts = QStringList{"DejaVu Sans"};
            p.dialogScripts.enqueue([&](QDialog &dialog) {
                auto &message = static_cast<fenetre_message &>(dialog);
                shown = message.StaticText1->text();
                QVERIFY(message.PushButton1->isDefault());
                QCOMPARE(message.PushButton1->text(), QStringLiteral("Quitter"));
                QCOMPARE(message.icone_fenetre, 3);
                message.PushButton1->click();
            });
        });
        QVERIFY(shown.startsWith(QStringLiteral("Les polices \"Helvetica\", \"Courier\"")));
        QVERIFY(shown.contains(QStringLiteral("poser.\nSi vous")));
        QCOMPARE(program.platform.quits, QList<int>({0}));
        QVERIFY(!Window1::exists());
        App().Close();
        QCOMPARE(storedBytes(), before);
    }

    void continueAtTheFontWarning()
    {
        program.start([&](FakePlatform &p) {
            p.fonts = QStringList{"Helvetica"};
            p.dialogScripts.enqueue(
                [](QDialog &dialog) { static_cast<fenetre_message &>(dialog).PushButton2->click(); });
        });
        QVERIFY(program.platform.quits.isEmpty());
        QVERIFY(program.platform.dialogScripts.isEmpty());
        QVERIFY(program.window().isVisible());
        QVERIFY(Bienvenue::instance().isVisible());
    }

    void quittingWritesWhatTheNextStartRestores()
    {
        startInFolder();
        Window1 &w = program.window();
        w.setContentFrame(-40, 120, 400, 560);
        QTest::mouseClick(w.RadioButton2, Qt::LeftButton);
        w.LittleArrows1_Up();
        pref_interm &prefs = pref_interm::instance();
        w.meneditionitempref_Action();
        prefs.chaine_interm->setText(QStringLiteral("Tour "));
        prefs.timer_defaut->setText(QString(300, QChar(0x00E9)));
        prefs.CheckBox1->setChecked(true);
        prefs.CheckBox2->setChecked(false);
        prefs.PushButton1->click();
        App().Close();
        QVERIFY(program.platform.messages.isEmpty());

        const Preferences stored = Preferences::decode(storedBytes());
        QCOMPARE(QRect(stored.left, stored.top, stored.largeur, stored.hauteur), QRect(-40, 120, 560, 400));
        QCOMPARE(stored.preset, QStringLiteral("301"));
        QVERIFY(!stored.chronometre);
        QCOMPARE(stored.lapLabel, QStringLiteral("Tour "));
        QCOMPARE(stored.texteTimer, QString(127, QChar(0x00E9)));
        QVERIFY(stored.demandeMessage);
        QVERIFY(!stored.voirEcarts);

        startInFolder();
        QCOMPARE(program.window().contentFrame(), QRect(-40, 120, 560, 400));
        QCOMPARE(program.window().StaticText1->text(), QStringLiteral("301"));
        QVERIFY(program.window().RadioButton2->isChecked());
        QCOMPARE(program.window().preftexteligne->text(), QStringLiteral("Tour "));
        QCOMPARE(program.window().ListBox1->columnWidths(), QStringLiteral("75%,25%,0%"));
        App().Close();
        QCOMPARE(Preferences::decode(storedBytes()).encode(), stored.encode());
    }

    void unwritablePreferencesGiveOneMessage()
    {
        startInFolder();
        QVERIFY(QDir(folder.path()).mkdir(Preferences::kFileName)); // a folder where the file goes
        App().Close();
        QCOMPARE(program.platform.messages.size(), 1);
        QVERIFY(program.platform.messages[0].contains(preferencesPath()));
        QVERIFY(QFileInfo(preferencesPath()).isDir());
        QVERIFY(QDir(folder.path()).rmdir(Preferences::kFileName));
    }

    void noPreferencesFolder()
    {
        program.start(); // the fake platform gives no folder
        QCOMPARE(program.window().contentFrame().size(), QSize(520, 357));
        QVERIFY(pref_interm::exists());
        QVERIFY(Bienvenue::instance().isVisible());
        App().Close();
        QCOMPARE(program.platform.messages.size(), 1);
    }
};

VEL_TEST_MAIN(TestStartup)
#include "test_startup.moc"
