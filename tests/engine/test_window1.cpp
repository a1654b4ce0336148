#include "engine/anchoring.h"
#include "engine/list_box.h"
#include "engine/little_arrows.h"
#include "engine/window1.h"
#include "program_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

class TestWindow1 : public QObject {
    Q_OBJECT
    ProgramFixture program;

private slots:
    void init() { program.start(); }

    void controlsInCreationOrder()
    {
        const QStringList expected{"Rectangle1",     "bt_depart",
                                   "bt_pause",       "LittleArrows1",
                                   "ListBox1",       "intermediaire",
                                   "preftexteligne", "RadioButton1",
                                   "RadioButton2",   "GroupBox1",
                                   "reset",          "StaticText4",
                                   "StaticText3",    "StaticText2",
                                   "Commentaire",    "GroupBox2",
                                   "StaticText1",    "Preference_vel_Timer",
                                   "efface_liste",   "Pour_commentaire_impression"};
        QStringList names;
        for (QObject *child : program.window().centralWidget()->children())
            if (child->isWidgetType())
                names.append(child->objectName());
        names.sort();
        QStringList sorted = expected;
        sorted.sort();
        QCOMPARE(names, sorted);
        QCOMPARE(program.window().Timer3->objectName(), QStringLiteral("Timer3"));
    }

    void afterStartUp()
    {
        Window1 &w = program.window();
        QCOMPARE(w.windowTitle(), QStringLiteral("Vel Timing"));
        QCOMPARE(program.display(), QStringLiteral("0:00:00:00"));
        QCOMPARE(w.StaticText3->text(), QStringLiteral("dimanche 6 décembre 2026"));
        QCOMPARE(w.StaticText4->text(), QStringLiteral("Label:"));
        QCOMPARE(w.bt_depart->text(), QStringLiteral("Départ"));
        QCOMPARE(w.bt_pause->text(), QStringLiteral("Pause"));
        QCOMPARE(w.intermediaire->text(), QStringLiteral("Intermédiaire"));
        QCOMPARE(w.reset->text(), QStringLiteral("Initialiser"));
        QCOMPARE(w.efface_liste->text(), QStringLiteral("Effacer la liste"));
        QCOMPARE(w.GroupBox1->title(), QStringLiteral("Mode"));
        QCOMPARE(w.GroupBox2->title(), QStringLiteral("Etiquette pour le temps de départ"));
        QCOMPARE(w.preftexteligne->text(), QStringLiteral("Temps intermédiaire "));
        QCOMPARE(w.defaultButton(), w.bt_depart);
        QVERIFY(w.RadioButton1->isChecked());
        QVERIFY(!w.bt_pause->isEnabled());
        QVERIFY(!w.intermediaire->isEnabled());
        QVERIFY(w.bt_depart->isEnabled());
        QVERIFY(!w.Timer3->isActive());
        QVERIFY(w.heure->isActive());
        QCOMPARE(w.Timer3->interval(), 10);
        QCOMPARE(w.Timer3->timerType(), Qt::PreciseTimer);
        QCOMPARE(w.heure->interval(), 1000);
        QCOMPARE(w.regarde_date->interval(), 60000);
        QCOMPARE(w.StaticText1->text(), QStringLiteral("300"));
        QCOMPARE(w.Preference_vel_Timer->text(), QStringLiteral("300"));
    }

    void hiddenControls()
    {
        Window1 &w = program.window();
        QVERIFY(w.isVisible());
        QVERIFY(!w.StaticText1->isVisible());
        QVERIFY(!w.Preference_vel_Timer->isVisible());
        QVERIFY(!w.Pour_commentaire_impression->isVisible());
        QVERIFY(!w.LittleArrows1->isVisible());
        QVERIFY(!w.preftexteligne->isEnabled());
        QVERIFY(w.StaticText2->isVisible());
        w.setContentFrame(20, 50, 800, 600);
        QVERIFY(!w.Pour_commentaire_impression->isVisible());
    }

    void listColumns()
    {
        ListBox *list = program.window().ListBox1;
        QCOMPARE(list->columnWidths(), QStringLiteral("50%,25%,25%"));
        QVERIFY(list->isHeaderHidden());
        QCOMPARE(list->columnAlignment(0) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(list->columnAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(list->columnAlignment(2) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        const int row = list->addRow(QStringLiteral("a"));
        QCOMPARE(Qt::Alignment(list->topLevelItem(row)->textAlignment(1)) & Qt::AlignHorizontal_Mask, Qt::AlignRight);

        list->setColumnWidths(QStringLiteral("75%,25%,0%"));
        QVERIFY(list->isColumnHidden(2));
        const int total = list->viewport()->width();
        QCOMPARE(list->columnWidth(0), total * 75 / 100);
        list->setColumnWidths(QStringLiteral("50%,25%,25%"));
        QVERIFY(!list->isColumnHidden(2));
        QCOMPARE(list->columnWidth(0) + list->columnWidth(1) + list->columnWidth(2), list->viewport()->width());
    }

    void anchoring_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("minimum") << QSize(420, 357);
        QTest::newRow("maximum") << QSize(600, 800);
        QTest::newRow("layout") << QSize(520, 383);
        QTest::newRow("first launch") << QSize(520, 357);
    }
    void anchoring()
    {
        QFETCH(QSize, size);
        Window1 &w = program.window();
        w.setContentFrame(20, 50, size.height(), size.width());
        QCOMPARE(w.centralWidget()->size(), size);
        const int dx = size.width() - 520;
        const int dy = size.height() - 383;
        QCOMPARE(w.ListBox1->geometry(), QRect(8, 21, 501 + dx, 167 + dy));
        QCOMPARE(w.Commentaire->geometry(), QRect(14, 203 + dy, 378 + dx, 21));
        QCOMPARE(w.bt_depart->geometry(), QRect(409 + dx, 242 + dy, 101, 20));
        QCOMPARE(w.StaticText2->geometry(), QRect(17, 248 + dy, 138, 26));
        QCOMPARE(w.StaticText4->geometry(), QRect(408 + dx, 3, 100, 20));
        QCOMPARE(w.StaticText3->geometry(), QRect(7, 3, 236, 20));
    }

    void anchoringIsClampedToTheLimits()
    {
        Window1 &w = program.window();
        w.setContentFrame(20, 50, 2000, 2000);
        QCOMPARE(w.centralWidget()->size(), QSize(600, 800));
        w.setContentFrame(20, 50, 10, 10);
        QCOMPARE(w.centralWidget()->size(), QSize(420, 357));
    }

    void returnPressesTheDefaultButton()
    {
        Window1 &w = program.window();
        QSignalSpy clicked(w.bt_depart, &QPushButton::clicked);
        w.Commentaire->setFocus();
        QTest::keyClick(w.Commentaire, Qt::Key_Return);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(w.bt_depart->text(), QStringLiteral("Stop"));
        QCOMPARE(w.defaultButton(), w.intermediaire);
    }

    void clockLabelShowsTheTimeOfDay()
    {
        program.platform.advance(5);
        program.window().heure_Action();
        QCOMPARE(program.window().StaticText4->text(), QStringLiteral("14:02:16"));
    }

    void dateTimerChangesNothing()
    {
        Window1 &w = program.window();
        const QString date = w.StaticText3->text();
        program.platform.advance(3600);
        QVERIFY(QMetaObject::invokeMethod(w.regarde_date, "timeout", Qt::DirectConnection));
        QCOMPARE(w.StaticText3->text(), date);
        QCOMPARE(program.rowCount(), 0);
    }
};

VEL_TEST_MAIN(TestWindow1)
#include "test_window1.moc"
