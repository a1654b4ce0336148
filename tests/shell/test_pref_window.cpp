#include "engine/list_box.h"
#include "engine/little_arrows.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "program_fixture.h"
#include "shell/bienvenue.h"
#include "shell/menu.h"
#include "shell/methodes_help_tags.h"
#include "shell/pref_interm.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TestPrefWindow : public QObject {
    Q_OBJECT
    ProgramFixture program;

    static pref_interm &prefs() { return pref_interm::instance(); }

    void openPreferences()
    {
        Menu::instance().meneditionitempref->trigger();
        QVERIFY(prefs().isVisible());
    }

    static QStringList tips(const QList<HelpTag> &tags)
    {
        QStringList texts;
        for (const HelpTag &tag : tags)
            texts.append(tag.control->toolTip());
        return texts;
    }

    QList<HelpTag> allTags() const { return program.window().helpTags() + prefs().helpTags(); }

private slots:
    void init() { program.start(); }

    void textsTagsAndDefaultButton()
    {
        pref_interm &p = prefs();
        QCOMPARE(p.windowTitle(), QStringLiteral("Untitled"));
        QCOMPARE(p.StaticText1->text(), QStringLiteral("Entrez le texte désiré qui sera incrémenté à chaque pression "
                                                       "sur le bouton \"Intermédiaire\"."));
        QCOMPARE(p.CheckBox3->text(), QStringLiteral("Voir les tips (conseils en jaune)"));
        QVERIFY(p.PushButton1->isDefault());
        QVERIFY(p.CheckBox3->toolTip().isEmpty());
        QVERIFY(p.CheckBox2->toolTip().startsWith(QStringLiteral("Vous choisissez à l\u2019aide")));
        QVERIFY(p.CheckBox1->toolTip().startsWith(QStringLiteral("Vous choisissez à l'aide")));
    }

    void openingFillsTwoTextsAndTheFirstBox()
    {
        Variables_globales.pref_texte_timer = QStringLiteral("Fini");
        Variables_globales.demande_message_ou_pas = true;
        prefs().CheckBox2->setChecked(false);
        openPreferences();
        QCOMPARE(prefs().chaine_interm->text(), QStringLiteral("Temps intermédiaire "));
        QCOMPARE(prefs().timer_defaut->text(), QStringLiteral("Fini"));
        QVERIFY(prefs().CheckBox1->isChecked());
        QVERIFY(!prefs().CheckBox2->isChecked());
    }

    void okAppliesEverything()
    {
        openPreferences();
        prefs().chaine_interm->clear();
        typeInto(prefs().chaine_interm, QStringLiteral("Étape"));
        prefs().timer_defaut->clear();
        prefs().CheckBox1->setChecked(true);
        prefs().CheckBox2->setChecked(false);
        QTest::keyClick(prefs().timer_defaut, Qt::Key_Return);
        QVERIFY(!prefs().isVisible());
        const auto &vg = Variables_globales;
        QCOMPARE(program.window().preftexteligne->text(), QStringLiteral("Étape"));
        QCOMPARE(vg.pref_texte_timer, QString());
        QVERIFY(vg.demande_message_ou_pas);
        QVERIFY(!vg.voir_ecarts);
        QCOMPARE(program.window().ListBox1->columnWidths(), QStringLiteral("75%,25%,0%"));

        openPreferences();
        prefs().CheckBox2->setChecked(true);
        QTest::mouseClick(prefs().PushButton1, Qt::LeftButton);
        QCOMPARE(program.window().ListBox1->columnWidths(), QStringLiteral("50%,25%,25%"));
    }

    void defaultsThenCancelChangeNothing()
    {
        Variables_globales.pref_texte_timer = QStringLiteral("Fini");
        openPreferences();
        prefs().CheckBox2->setChecked(false);
        QTest::mouseClick(prefs().PushButton3, Qt::LeftButton);
        QVERIFY(prefs().isVisible());
        QCOMPARE(prefs().chaine_interm->text(), QStringLiteral("Temps intermédiaire "));
        QCOMPARE(prefs().timer_defaut->text(), QStringLiteral("Temps écoulé!"));
        QTest::keyClick(&prefs(), Qt::Key_Escape);
        QVERIFY(!prefs().isVisible());
        QCOMPARE(Variables_globales.pref_texte_timer, QStringLiteral("Fini"));
        QVERIFY(Variables_globales.voir_ecarts);
        QCOMPARE(program.window().ListBox1->columnWidths(), QStringLiteral("50%,25%,25%"));
        openPreferences();
        QVERIFY(!prefs().CheckBox2->isChecked()); // kept across Annuler
    }

    void defaultsThenOk()
    {
        program.window().preftexteligne->setText(QStringLiteral("Tour"));
        Variables_globales.pref_texte_timer = QStringLiteral("Fini");
        openPreferences();
        prefs().CheckBox3->setChecked(false);
        QTest::mouseClick(prefs().PushButton3, Qt::LeftButton);
        QTest::mouseClick(prefs().PushButton1, Qt::LeftButton);
        QCOMPARE(program.window().preftexteligne->text(), QStringLiteral("Temps intermédiaire "));
        QCOMPARE(Variables_globales.pref_texte_timer, QStringLiteral("Temps écoulé!"));
        QVERIFY(!Variables_globales.pref_tips);
        QCOMPARE(tips(allTags()), QStringList(12, QString()));
        QVERIFY(!program.window().LittleArrows1->toolTip().isEmpty());
    }

    void helpTagsOffTwiceAndOn()
    {
        const QStringList layout = tips(allTags());
        QCOMPARE(layout.size(), 12);
        QVERIFY(!layout.contains(QString()));
        const QString arrows = program.window().LittleArrows1->toolTip();
        Methodes::desactive_helptags();
        Methodes::desactive_helptags();
        QCOMPARE(tips(allTags()), QStringList(12, QString()));
        QCOMPARE(program.window().LittleArrows1->toolTip(), arrows);
        Methodes::active_helptags();
        QCOMPARE(tips(allTags()), layout);
        QCOMPARE(program.window().bt_pause->toolTip(),
                 QStringLiteral("Ce bouton met le chronomètre en mode pause lorsqu'il affiche \"Pause\", reprend le "
                                "décompte lorsqu'il affiche \"Reprendre\""));
    }

    void systemRequestForPreferences_data()
    {
        QTest::addColumn<std::optional<int>>("version");
        QTest::addColumn<QString>("eventClass");
        QTest::addColumn<QString>("eventId");
        QTest::addColumn<bool>("handled");
        QTest::newRow("no version query") << std::optional<int>() << "aevt"
                                          << "pref" << false;
        QTest::newRow("old system") << std::optional<int>(0x0922) << "aevt"
                                    << "pref" << false;
        QTest::newRow("any case") << std::optional<int>(0x0A00) << "AEVT"
                                  << "Pref" << true;
        QTest::newRow("other event") << std::optional<int>(0x0A04) << "aevt"
                                     << "quit" << false;
    }

    void systemRequestForPreferences()
    {
        QFETCH(std::optional<int>, version);
        QFETCH(QString, eventClass);
        QFETCH(QString, eventId);
        QFETCH(bool, handled);
        prefs().hide();
        program.platform.version = version;
        QCOMPARE(App().HandleAppleEvent(eventClass, eventId), handled);
        QCOMPARE(prefs().isVisible(), handled);
    }

    void welcomeHidesItselfAndLeavesARunAlone_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("clickedFirst");
        QTest::newRow("idle") << false << false;
        QTest::newRow("clicked") << false << true;
        QTest::newRow("run under way") << true << false;
    }

    void welcomeHidesItselfAndLeavesARunAlone()
    {
        QFETCH(bool, running);
        QFETCH(bool, clickedFirst);
        Bienvenue &welcome = Bienvenue::instance();
        Window1 &w = program.window();
        QCOMPARE(welcome.Timer1->interval(), 700);
        QVERIFY(welcome.Timer1->isActive());
        QCOMPARE(welcome.Temporise->text(), QStringLiteral("2"));
        QVERIFY(welcome.StaticText2->text().startsWith(QStringLiteral("Version 1.3")));
        if (running)
            program.click(w.bt_depart);
        if (clickedFirst) {
            QTest::mouseClick(&welcome, Qt::LeftButton, {}, QPoint(200, 100));
            QVERIFY(!welcome.isVisible());
        }
        welcome.Timer1_Action();
        QCOMPARE(welcome.Temporise->text(), QStringLiteral("1"));
        QCOMPARE(welcome.isVisible(), !clickedFirst);
        welcome.Timer1_Action();
        QVERIFY(!welcome.isVisible());
        QVERIFY(!welcome.Timer1->isActive());
        QVERIFY(w.isVisible());
        QCOMPARE(w.Timer3->isActive(), running);
        QCOMPARE(w.intermediaire->isEnabled(), running);
        QCOMPARE(w.bt_pause->isEnabled(), running);
    }

    void aboutStaysUntilClicked()
    {
        Bienvenue &welcome = Bienvenue::instance();
        welcome.Timer1_Action();
        welcome.Timer1_Action();
        program.click(program.window().bt_depart);
        Menu::instance().AppleAproposdeVelTiming->trigger();
        QVERIFY(welcome.isVisible());
        QVERIFY(!welcome.Timer1->isActive());
        QVERIFY(program.window().Timer3->isActive());
        QTest::mouseClick(&welcome, Qt::LeftButton);
        QVERIFY(!welcome.isVisible());
        QVERIFY(program.window().Timer3->isActive());
    }
};

VEL_TEST_MAIN(TestPrefWindow)
#include "test_pref_window.moc"
