// The lap list's rows, their model, the saved list that keeps them and the pages that print them.
#include "core/lap_list.h"
#include "core/print_layout.h"
#include "core/print_surface.h"
#include "core/saved_list.h"
#include "kept_lines.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
QString text(const LapRows &rows)
{
    QStringList lines;
    for (qsizetype row = 0; row < rows.size(); ++row)
        lines << QString::fromUtf8(rows.line(row)) + '=' + rows.at(row).label + '|' + rows.at(row).time + '|' +
                     rows.at(row).difference;
    return lines.join(' ');
}
} // namespace

// Records the drawing as "text@x,y", "rect@x,y,width,height" and "page". A character is 10 wide: a text wider than
// its column takes a line a word.
class RecordingSurface : public PrintSurface {
public:
    QStringList calls;
    int lineHeight = 10;
    template <class... Numbers>
    void add(const QString &what, Numbers... n)
    {
        calls << what + u'@' + QStringList{QString::number(n)...}.join(u',');
    }
    void drawText(const QString &text, int x, int y) override { add(text, x, y); }
    void drawRect(int x, int y, int w, int h) override { add("rect", x, y, w, h); }
    int textHeight() override { return lineHeight; }
    QStringList rowLines(const QString &t, int w) override { return t.size() * 10 > w ? t.split(' ') : QStringList{t}; }
    void drawTextBlock(const QString &text, int x, int y, int w, int h) override { add(text, x, y, w, h); }
    QStringList commentLines(const QString &text, int width) override { return rowLines(text, width); }
    int commentLineHeight() override { return lineHeight; }
    void nextPage() override { calls << "page"; }
};

class TestLists : public QObject {
    Q_OBJECT
private slots:
    // What the program writes reads back whole: every line of the comment, and the rows.
    void ownDocuments_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QByteArray>("lines"); // the comment as written
        QTest::addColumn<QString>("read");
        const QString h62(62, u'-');
        // clang-format off
        QTest::newRow("empty") << "" << QByteArray("\n") << "";
        QTest::newRow("line breaks of all kinds") << "un\ndeux\rtrois\r\nquatre" << QByteArray("un\ndeux\ntrois\nquatre\n") << "un\rdeux\rtrois\rquatre\r";
        QTest::newRow("as read back") << "un\r\r-deux\r" << QByteArray("un\n\n-deux\n") << "un\r\r-deux\r";
        QTest::newRow("blank, dashes, tabs, separators") << "\n- a\n\tb\tc\n" + h62 + "\n\n" << "\n- a\n\tb\tc\n" + h62.toUtf8() + "\n\n" << "\r- a\r\tb\tc\r" + h62 + "\r\r";
        // clang-format on
    }
    void ownDocuments()
    {
        QFETCH(QString, comment);
        const LapRows rows{{"Chronomètre 1, départ à: 14:02:11", "0:00:00:00", ""}, {"", "", ""}};
        const QByteArray document = SavedList::write("h", comment, rows);
        QTEST(document.mid(64, document.lastIndexOf(QByteArray(62, '-')) - 64), "lines");
        const SavedList::Contents contents = SavedList::read(document);
        QTEST(contents.comment, "read");
        QCOMPARE(contents.rows, rows);
        QCOMPARE(SavedList::write("h", contents.comment, contents.rows), document);
    }

    void forgivingReader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("contents"); // the comment, "#", then label|time|difference/ per row
        // clang-format off
        QTest::newRow("extra tabs stay in the difference") << QByteArray("h\n-\nc\n-\na\tb\tc\td\n") << "c\r#a|b|c\td/";
        QTest::newRow("one tab, after a byte order mark") << QByteArray("\xEF\xBB\xBF" "a\tb\n") << "#a|b|/";
        QTest::newRow("lone tab") << QByteArray("\t") << "#||/";
        QTest::newRow("tab among the first two lines") << QByteArray("x\ty\tz\nsecond\nthird\n") << "third\r#x|y|z/";
        QTest::newRow("plain text") << QByteArray("one\ntwo\nthree\n\n-dash\nfour") << "three\rfour\r#";
        QTest::newRow("CR line ends") << QByteArray("h\r-\rnote\r-\ra\tb\tc\r") << "note\r#a|b|c/";
        QTest::newRow("CRLF line ends") << QByteArray("h\r\n-\r\nnote\r\n\r\n-\r\na\tb\tc\r\n") << "note\r#a|b|c/";
        QTest::newRow("Mac OS Roman") << QByteArray("h\r-\rCourse \x8et\x8e\r-\rChronom\x8ftre\t1\t\r") << "Course été\r#Chronomètre|1|/";
        QTest::newRow("truncated in an accent") << QByteArray("h\n-\nCourse d\xc3") << "Course d√\r#";
        QTest::newRow("empty") << QByteArray() << "#";
        // clang-format on
    }
    void forgivingReader()
    {
        QFETCH(QByteArray, bytes);
        const SavedList::Contents contents = SavedList::read(bytes);
        QString text = contents.comment + u'#';
        for (qsizetype row = 0; row < contents.rows.size(); ++row)
            text += contents.rows.cell(row, 0) + u'|' + contents.rows.cell(row, 1) + u'|' + contents.rows.cell(row, 2) +
                    u'/';
        QTEST(text, "contents");
    }

    void rows()
    {
        LapRows rows;
        rows.append({"Départ", "0:00:00:00", ""});
        rows.append({"é\tlong", "", "+  0:00:01:00"});
        const LapRows before = rows;
        rows.setCell(0, 1, "0:00:00:01");
        rows.append(before.first(1));
        QCOMPARE(text(before),
                 "Départ\t0:00:00:00\t=Départ|0:00:00:00| é\tlong\t\t+  0:00:01:00=é\tlong||+  0:00:01:00");
        rows.remove(1);
        QCOMPARE(text(rows), "Départ\t0:00:00:01\t=Départ|0:00:00:01| Départ\t0:00:00:00\t=Départ|0:00:00:00|");
        QVERIFY(!(rows == before) && !(rows == rows.first(1)) && rows.first(1) == LapRows(rows).first(1) &&
                rows.first(-1).isEmpty());
        QCOMPARE(rows.cell(2, 0) + rows.cell(0, 3) + rows.cell(-1, 0), QString());
        LapRows read(QByteArray("x\ty\tz\ta\nb\tc\t\n"));
        read.appendLine(0, 1, 1, 7);
        read.appendLine(8, 1, 1, 12);
        QCOMPARE(text(read), "x\ty\tz\ta=x|y|z\ta b\tc\t=b|c|");
        rows.clear();
        QVERIFY(rows.isEmpty() && rows.size() == 0);
    }

    void model()
    {
        LapList list;
        QSignalSpy edited(&list, &LapList::cellEdited);
        list.append({{"a", "1", ""}, {"b", "2", "+"}});
        QVERIFY(!list.index(0, 0).data(LapList::LabelAloneRole).toBool()); // a time and no difference
        const QModelIndex cell = list.index(1, 1);
        QVERIFY(!list.setData(cell, "x") && !(list.flags(cell) & Qt::ItemIsEditable)); // not editable yet
        list.setEditable(true);
        QVERIFY(list.flags(cell) & Qt::ItemIsEditable);
        QVERIFY(!list.setData(cell, "x", Qt::DisplayRole) && list.setData(cell, "3\t4\r\n5"));
        QCOMPARE(edited.takeFirst(), QVariantList({1, 1, "2"})); // with what the cell held
        list.setCell(0, 2, "\t+");                               // from the program, editable or not
        QVERIFY(edited.isEmpty());
        QCOMPARE(list.data(cell).toString() + list.data(cell, Qt::EditRole).toString(), "3 4  53 4  5");
        QCOMPARE(QString::number(list.data(list.index(0, 0), Qt::TextAlignmentRole).toInt(), 16) + ' ' +
                     QString::number(list.data(cell, Qt::TextAlignmentRole).toInt(), 16) + ' ' +
                     QString::number(list.data(list.index(1, 2), Qt::TextAlignmentRole).toInt(), 16),
                 "81 82 82"); // times to the right, all centred up and down
        QCOMPARE(list.headerData(2, Qt::Horizontal).toString() + list.headerData(0, Qt::Vertical).toString() +
                     list.headerData(3, Qt::Horizontal).toString() + QString::number(list.columnCount()),
                 "Écart3");
        QVERIFY(list.removeRow(0) && !list.removeRow(5));
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(list.row(0), (ListRow{"b", "3 4  5", "+"}));
        list.insertRows(0, LapRows({{"a", "1", " +"}, {"à", "", ""}})); // back where they were, before row 0
        QSignalSpy inserted(&list, &LapList::rowsInserted);
        list.insertRows(4, LapRows({{"z", "", ""}})); // past the end, before the first, or none: nothing
        list.insertRows(-1, LapRows({{"z", "", ""}}));
        list.insertRows(0, LapRows());
        QCOMPARE(inserted.size(), 0);
        QCOMPARE(list.rows(), LapRows({{"a", "1", " +"}, {"à", "", ""}, {"b", "3 4  5", "+"}}));
        list.removeRows(0, 2);
        LapRows other;
        other.append({"c", "", ""});
        other.append({"d", "", "+"});
        list.replace(other);
        QCOMPARE(list.rows(), other);
        QCOMPARE(QString::number(list.index(0, 1).data(LapList::LabelAloneRole).toBool()) + // a label alone
                     QString::number(list.index(1, 0).data(LapList::LabelAloneRole).toBool()),
                 "10");
        list.clear();
        QCOMPARE(list.rowCount() + list.rowCount(list.index(0, 0)), 0);
    }

    // Each case gives left, top, line height, page height, page width and rows (their times as wide as their
    // column), then the comment and a last row's label in place of its own; tests/core/pages.txt keeps the calls.
    void pages()
    {
        KeptLines::check(QFINDTESTDATA("pages.txt"), [&](const QString &input, QStringList &made) {
            const QStringList fields = input.split('|');
            QList<int> g;
            for (const QString &number : fields[0].split(' ', Qt::SkipEmptyParts))
                g << number.toInt();
            const QString comment = fields.value(1).trimmed(), lastLabel = fields.value(2).trimmed();
            LapRows list;
            for (int i = 0; i < g[5]; ++i)
                list.append({i == g[5] - 1 && !lastLabel.isEmpty() ? lastLabel : QStringLiteral("r%1").arg(i),
                             QStringLiteral("t%1 0:00").arg(i), QStringLiteral("d%1").arg(i)});
            RecordingSurface s;
            s.lineHeight = g[2];
            PrintLayout::RowsStart start{1, g[1] + 200};
            if (!comment.isEmpty())
                start = PrintLayout::comment(g[0], g[1], g[4], g[3], g[4], comment, s);
            PrintLayout::rows(g[0], g[1], 410, 490, g[3], g[4], list, s, start);
            made << s.calls;
        });
    }
};

QTEST_GUILESS_MAIN(TestLists)
#include "test_lists.moc"
