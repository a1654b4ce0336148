#include "dialogs/fenetre_message.h"
#include "main_window/window1.h"
#include "program_fixture.h"
#include "shell/menu.h"
#include "widgets/list_box.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>

class TestLaps : public QObject {
    Q_OBJECT
    ProgramFixture program;
    ListBox *list() { return program.window().ListBox1; }
    LapList &laps() { return program.window().laps(); }
    bool editable(int column) { return laps().flags(laps().index(0, column)) & Qt::ItemIsEditable; }

private slots:
    void clearing_data()
    {
        QTest::addColumn<int>(
            "button"); // after two runs: 1 "Effacer la liste", 2 "Annuler", 3 Escape; negative from the menu
        QTest::addColumn<QStringList>("outcome"); // question, messages, rows left, the next run's first row
        // clang-format off
        QTest::newRow("empty list") << 0 << QStringList{"", "La liste est déjà vide!", "0", "Chronomètre 1, départ à: 14:02:11"};
        QTest::newRow("Effacer la liste") << 1 << QStringList{"Vraiment effacer la liste?", "", "0", "Chronomètre 1, départ à: 14:02:11"};
        QTest::newRow("from the menu") << -1 << QStringList{"Vraiment effacer la liste?", "", "0", "Chronomètre 1, départ à: 14:02:11"};
        QTest::newRow("Annuler") << 2 << QStringList{"Vraiment effacer la liste?", "", "8", "Chronomètre 3, départ à: 14:02:11"};
        QTest::newRow("Escape") << 3 << QStringList{"Vraiment effacer la liste?", "", "8", "Chronomètre 3, départ à: 14:02:11"};
        // clang-format on
    }
    void clearing()
    {
        QFETCH(int, button);
        program.start();
        Window1 &w = program.window();
        for (int i = 0; i < (button ? 4 : 0); ++i)
            program.click(w.bt_depart);
        if (button)
            program.answer(qAbs(button) % 3);
        if (button < 0)
            QVERIFY(!w.EditClear_Action());
        else
            program.click(w.efface_liste);
        const int rowsLeft = program.rowCount();
        program.click(w.bt_depart);
        QTEST(QStringList({program.asked.join(u' '), program.platform.messages.join(u' '), QString::number(rowsLeft),
                           program.lastRow()[0]}),
              "outcome");
        const fenetre_message &m = fenetre_message::instance();
        if (button)
            QCOMPARE(m.PushButton1->text() + '|' + m.PushButton2->text() + (m.PushButton2->isDefault() ? "*" : "") +
                         QString::number(m.icone_fenetre),
                     QStringLiteral("Effacer la liste|Annuler*3"));
    }

    void removeSelectedRow()
    {
        program.start();
        laps().append({{"a", {}, {}}, {"b", {}, {}}, {"c", {}, {}}, {"d", {}, {}}});
        for (const int row : {0, 2, -1}) { // the first, the last, none
            list()->selectRow(row);
            QVERIFY(!program.window().meneditionitemeffacerlaligne_Action());
        }
        QCOMPARE(laps().rows(), LapRows({{"b", "", ""}, {"c", "", ""}}));
        QCOMPARE(program.platform.messages, QStringList{"Aucune ligne sélectionnée!"});
    }

    // Rows as a spreadsheet or a word processor pastes them: text with tabs, and an HTML table.
    void copyRows()
    {
        program.start();
        laps().append({{"a", "1", ""}, {"Pâtes & <sauce>", "2", "+  1"}});
        program.window().activateWindow();
        list()->setFocus();
        QTRY_VERIFY(list()->hasFocus());
        for (const int selected : {1, -1}) { // one row with Ctrl+C; all of them from the menu when none is selected
            list()->selectRow(selected);
            selected < 0 ? Menu::instance().EditCopy->trigger() : QTest::keySequence(list(), QKeySequence::Copy);
            const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
            QCOMPARE(copied->text(), QString(selected < 0 ? "a\t1\t\n" : "") + "Pâtes & <sauce>\t2\t+  1\n");
            QCOMPARE(copied->html().section("<tr>", 1),
                     QString(selected < 0 ? "<td>a</td><td>1</td><td></td></tr><tr>" : "") +
                         "<td>Pâtes &amp; &lt;sauce&gt;</td><td>2</td><td>+  1</td></tr></table>");
        }
    }

    void oneEditPerDoubleClick()
    {
        program.start();
        laps().append({{"ligne", "0:00:00:00", ""}});
        const QPoint cell = list()->visualRect(list()->model()->index(0, 1)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        QVERIFY(editable(0) && editable(2));
        auto *editor = list()->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        editor->insert("0:00:\t01");          // as a paste would
        QTest::keyClick(editor, Qt::Key_Tab); // commits, and opens no other cell
        QTRY_COMPARE(program.row(0), QStringList({"ligne", "0:00: 01", ""}));
        QVERIFY(!editable(0) && !editable(2));
        for (const QLineEdit *next : list()->viewport()->findChildren<QLineEdit *>())
            QVERIFY(!next->isVisible());
    }
};

VEL_TEST_MAIN(TestLaps)
#include "test_laps.moc"
