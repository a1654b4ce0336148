#include "engine/fenetre_message.h"
#include "engine/list_box.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "program_fixture.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class TestLaps : public QObject {
    Q_OBJECT
    ProgramFixture program;

    Window1 &w() { return program.window(); }
    ListBox *list() { return w().ListBox1; }
    void answerClear(bool clear)
    {
        program.platform.dialogScripts.enqueue([clear](QDialog &dialog) {
            auto &message = static_cast<fenetre_message &>(dialog);
            QCOMPARE(message.StaticText1->text(), QStringLiteral("Vraiment effacer la liste?"));
            QCOMPARE(message.PushButton1->text(), QStringLiteral("Effacer la liste"));
            QCOMPARE(message.PushButton2->text(), QStringLiteral("Annuler"));
            QCOMPARE(message.icone_fenetre, 3);
            QVERIFY(message.PushButton2->isDefault());
            QTest::mouseClick(clear ? message.PushButton1 : message.PushButton2, Qt::LeftButton);
        });
    }

private slots:
    void init() { program.start(); }

    void lapsWithAndWithoutComments()
    {
        program.click(w().bt_depart);
        program.platform.advance(65.375);
        program.click(w().intermediaire);
        QCOMPARE(program.row(1), QStringList({"Temps intermédiaire  1:", "0:01:05:37", ""}));
        QCOMPARE(w().GroupBox2->title(), QStringLiteral("Etiquette pour le temps intermédiaire  2"));
        QCOMPARE(list()->selectedRow(), 1);
        QCOMPARE(Variables_globales.no_de_intermediaire, 2);

        program.platform.advance(12.5);
        program.typeComment(QStringLiteral("Virage"));
        QTest::keyClick(w().Commentaire, Qt::Key_Return); // Return records the lap
        QCOMPARE(program.row(2), QStringList({"2: Virage", "0:01:17:87", "+  0:00:12:50"}));
        QVERIFY(w().Commentaire->text().isEmpty());

        program.platform.advance(1);
        program.click(w().intermediaire);
        QCOMPARE(program.row(3), QStringList({"Temps intermédiaire  3:", "0:01:18:87", "+  0:00:01:00"}));
        QCOMPARE(w().GroupBox2->title(), QStringLiteral("Etiquette pour le temps intermédiaire  4"));

        // A new run numbers its laps from 1 again.
        program.click(w().bt_depart);
        program.click(w().bt_depart);
        program.click(w().intermediaire);
        QCOMPARE(program.lastRow()[0], QStringLiteral("Temps intermédiaire  1:"));
    }

    void labelWithoutTrailingBlank()
    {
        w().preftexteligne->setText(QStringLiteral("Intermédiaire"));
        program.click(w().bt_depart);
        program.click(w().intermediaire);
        QCOMPARE(program.lastRow()[0], QStringLiteral("Intermédiaire 1:"));
        program.typeComment(QStringLiteral(" "));
        program.click(w().intermediaire);
        QCOMPARE(program.lastRow()[0], QStringLiteral("2:  "));
    }

    void pauseBetweenLapsCountsInTheDifferenceOnly()
    {
        program.click(w().bt_depart);
        program.platform.advance(10);
        program.click(w().intermediaire);
        program.platform.advance(5);
        program.click(w().bt_pause);
        program.platform.advance(60);
        program.click(w().bt_pause);
        program.platform.advance(5);
        program.click(w().intermediaire);
        QCOMPARE(program.lastRow(), QStringList({"Temps intermédiaire  2:", "0:00:20:00", "+  0:01:10:00"}));
    }

    void lapsInTimerMode()
    {
        QTest::mouseClick(w().RadioButton2, Qt::LeftButton);
        program.click(w().bt_depart);
        program.platform.advance(30);
        program.click(w().intermediaire);
        program.platform.advance(15.5);
        program.click(w().intermediaire);
        QCOMPARE(program.row(1), QStringList({"Temps intermédiaire  1:", "0:04:30:00", ""}));
        QCOMPARE(program.row(2), QStringList({"Temps intermédiaire  2:", "0:04:14:50", "+  0:00:15:50"}));
    }

    void cellsNeverHoldTabsOrLineBreaks()
    {
        w().Commentaire->setText(QStringLiteral("a\tb\nc\rd"));
        QCOMPARE(w().Commentaire->text(), QStringLiteral("a b c d"));
    }

    void oneEditPerDoubleClick()
    {
        list()->addRow(QStringLiteral("ligne"));
        QVERIFY(!list()->columnEditable(0));
        const QRect cell = list()->visualRect(list()->model()->index(0, 1));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QVERIFY(list()->columnEditable(0) && list()->columnEditable(1) && list()->columnEditable(2));
        auto *editor = list()->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        editor->insert(QStringLiteral("0:00:\t01")); // as a paste would
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(list()->cell(0, 1), QStringLiteral("0:00: 01"));
        QVERIFY(!list()->columnEditable(0) && !list()->columnEditable(1) && !list()->columnEditable(2));
        // Editing again needs another double-click.
        list()->setCurrentItem(list()->topLevelItem(0), 0);
        QTest::keyClick(list(), Qt::Key_F2);
        QVERIFY(!list()->viewport()->findChild<QLineEdit *>() ||
                !list()->viewport()->findChild<QLineEdit *>()->isVisible());
    }

    void removeSelectedRow()
    {
        list()->addRow(QStringLiteral("a"));
        list()->addRow(QStringLiteral("--------------------------------------"));
        list()->addRow(QStringLiteral("c"));
        list()->selectRow(1);
        w().meneditionitemeffacerlaligne_Action();
        QCOMPARE(program.rowCount(), 2);
        QCOMPARE(program.row(1)[0], QStringLiteral("c"));
        QVERIFY(program.platform.messages.isEmpty());

        list()->clearSelection();
        w().meneditionitemeffacerlaligne_Action();
        QCOMPARE(program.rowCount(), 2);
        QCOMPARE(program.platform.messages, QStringList({"Aucune ligne sélectionnée!"}));
    }

    void clearEmptyList()
    {
        program.click(w().efface_liste);
        QCOMPARE(program.platform.messages, QStringList({"La liste est déjà vide!"}));
        QCOMPARE(program.platform.unscriptedDialogs, 0);
    }

    void clearAnswers_data()
    {
        QTest::addColumn<bool>("clear");
        QTest::newRow("Effacer la liste") << true;
        QTest::newRow("Annuler") << false;
    }
    void clearAnswers()
    {
        QFETCH(bool, clear);
        program.click(w().bt_depart);
        program.click(w().bt_depart);
        QCOMPARE(Variables_globales.no_de_chrono, 2);
        answerClear(clear);
        program.click(w().efface_liste);
        QCOMPARE(program.rowCount(), clear ? 0 : 4);
        QCOMPARE(Variables_globales.no_de_chrono, clear ? 1 : 2);
    }

    void clearFromTheMenuWhileRunning()
    {
        program.click(w().bt_depart);
        program.click(w().intermediaire);
        QVERIFY(!w().efface_liste->isEnabled());
        answerClear(true);
        QCOMPARE(w().EditClear_Action(), false);
        QCOMPARE(program.rowCount(), 0);
        QCOMPARE(Variables_globales.no_de_chrono, 1);
        QCOMPARE(w().bt_depart->text(), QStringLiteral("Stop"));
        program.click(w().intermediaire);
        QCOMPARE(program.lastRow()[0], QStringLiteral("Temps intermédiaire  2:"));
    }
};

VEL_TEST_MAIN(TestLaps)
#include "test_laps.moc"
