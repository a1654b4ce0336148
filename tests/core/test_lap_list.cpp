// The lap list's rows and their model.
#include "core/lap_list.h"

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

class TestLapList : public QObject {
    Q_OBJECT
private slots:
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
        QVERIFY(!(rows == before) && rows.first(1) == LapRows(rows).first(1) && rows.first(-1).isEmpty());
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
        const QModelIndex cell = list.index(1, 1);
        QVERIFY(!list.setData(cell, "x") && !(list.flags(cell) & Qt::ItemIsEditable)); // not editable yet
        list.setColumnEditable(1, true);
        QVERIFY(list.flags(cell) & Qt::ItemIsEditable);
        QVERIFY(!list.setData(cell, "x", Qt::DisplayRole) && list.setData(cell, "3\t4\r\n5"));
        QCOMPARE(edited.takeFirst(), QVariantList({1, 1}));
        QCOMPARE(list.data(cell).toString() + list.data(cell, Qt::EditRole).toString(), "3 4  53 4  5");
        list.setAlignment(1, Qt::AlignRight);
        QCOMPARE(list.data(cell, Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(list.data(list.index(0, 0), Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
        QCOMPARE(list.headerData(2, Qt::Horizontal).toString() + list.headerData(0, Qt::Vertical).toString(), "Écart");
        list.removeRow(0);
        list.removeRow(5);
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(list.row(0), (ListRow{"b", "3 4  5", "+"}));
        LapRows other;
        other.append({"c", "", ""});
        list.replace(other);
        QCOMPARE(list.rows(), other);
        list.clear();
        QCOMPARE(list.rowCount() + list.rowCount(list.index(0, 0)), 0);
        QCOMPARE(list.columnCount(), 3);
    }
};

QTEST_GUILESS_MAIN(TestLapList)
#include "test_lap_list.moc"
