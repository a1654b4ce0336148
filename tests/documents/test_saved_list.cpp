#include "documents/saved_list.h"
#include "program_fixture.h"

#include <QRandomGenerator>

using SavedList::Contents;

namespace {
const QList<ListRow> kExampleRows{
    {"Chronomètre 1, départ à: 14:02:11", "0:00:00:00", ""},
    {"Temps intermédiaire  1:", "0:01:05:37", ""},
    {"Chronomètre 1, temps final:", "0:02:10:12", "+  0:01:04:75"},
    {"--------------------------------------", "", ""},
    {"", "", ""},
};
} // namespace

class TestSavedList : public QObject {
    Q_OBJECT
private slots:
    void nineLineExample()
    {
        const QString header = SavedList::headerLine(QDateTime(QDate(2026, 12, 5), QTime(14, 3, 0)));
        QCOMPARE(header, QStringLiteral("Tableau de chronométrage créé le 05/12/2026 à 14:03 par VelTiming."));
        const QByteArray bytes = SavedList::write(header, QStringLiteral("Course du matin"), kExampleRows);
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 10); // nine lines, each ended by "\n"
        QCOMPARE(lines[9], QByteArray());
        QCOMPARE(lines[0], header.toUtf8());
        QCOMPARE(lines[1], QByteArray(61, '-'));
        QCOMPARE(lines[2], QByteArray("Course du matin"));
        QCOMPARE(lines[3], QByteArray(62, '-'));
        QCOMPARE(lines[4], QStringLiteral("Chronomètre 1, départ à: 14:02:11\t0:00:00:00\t").toUtf8());
        QCOMPARE(lines[5], QByteArray("Temps interm\xc3\xa9"
                                      "diaire  1:\t0:01:05:37\t"));
        QCOMPARE(lines[6], QStringLiteral("Chronomètre 1, temps final:\t0:02:10:12\t+  0:01:04:75").toUtf8());
        QCOMPARE(lines[7], QByteArray(38, '-') + "\t\t");
        QCOMPARE(lines[8], QByteArray("\t\t"));
    }

    void commentOfSeveralLinesAndEmptyComment()
    {
        QByteArray bytes = SavedList::write(QStringLiteral("h"), QStringLiteral("un\ndeux\rtrois"), {});
        QCOMPARE(bytes, QByteArray("h\n") + QByteArray(61, '-') + "\nun\ndeux\ntrois\n" + QByteArray(62, '-') + "\n");
        bytes = SavedList::write(QStringLiteral("h"), QString(), {});
        QCOMPARE(bytes.split('\n')[2], QByteArray());
    }

    void roundTrip()
    {
        const QByteArray bytes =
            SavedList::write(QStringLiteral("h"), QStringLiteral("Course\nsous la pluie"), kExampleRows);
        const Contents back = SavedList::read(bytes);
        QCOMPARE(back.rows, kExampleRows);
        QCOMPARE(back.comment, QStringLiteral("Course\rsous la pluie\r"));
        // A comment read back writes and reads the same again.
        const Contents again = SavedList::read(SavedList::write(QStringLiteral("h"), back.comment, back.rows));
        QCOMPARE(again.comment, back.comment);
        QCOMPARE(again.rows, kExampleRows);
    }

    void forgivingReader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QStringList>("cells"); // label|time|difference per row
        QTest::newRow("extra tabs stay in the difference")
            << QByteArray("h\n-\nc\n-\na\tb\tc\td\n") << "c\r" << QStringList{"a|b|c\td"};
        QTest::newRow("one tab") << QByteArray("a\tb\n") << "" << QStringList{"a|b|"};
        QTest::newRow("tab among the first two lines")
            << QByteArray("x\ty\tz\nsecond\nthird\n") << "third\r" << QStringList{"x|y|z"};
        QTest::newRow("plain text") << QByteArray("one\ntwo\nthree\n\n-dash\nfour") << "three\rfour\r" << QStringList{};
        QTest::newRow("CR line ends") << QByteArray("h\r-\rnote\r-\ra\tb\tc\r") << "note\r" << QStringList{"a|b|c"};
        QTest::newRow("CRLF line ends") << QByteArray("h\r\n-\r\nnote\r\n-\r\na\tb\tc\r\n") << "note\r"
                                        << QStringList{"a|b|c"};
        QTest::newRow("Mac OS Roman") << QByteArray("h\r-\rCourse \x8e"
                                                    "t\x8e\r-\rChronom\x8f"
                                                    "tre 1\t0:00:01:00\t\r")
                                      << QStringLiteral("Course été\r") << QStringList{"Chronomètre 1|0:00:01:00|"};
        QTest::newRow("empty") << QByteArray() << "" << QStringList{};
        QTest::newRow("lone tab") << QByteArray("\t") << "" << QStringList{"||"};
    }
    void forgivingReader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, comment);
        QFETCH(QStringList, cells);
        const Contents contents = SavedList::read(bytes);
        QCOMPARE(contents.comment, comment);
        QStringList rows;
        for (const ListRow &row : contents.rows)
            rows.append(row.label + QLatin1Char('|') + row.time + QLatin1Char('|') + row.difference);
        QCOMPARE(rows, cells);
    }

    void writesUtf8()
    {
        const QByteArray bytes = SavedList::write(QStringLiteral("é"), QString(), {});
        QVERIFY(bytes.startsWith("\xc3\xa9\n"));
    }

    void survivesGarbage()
    {
        QRandomGenerator random(20261206);
        const QByteArray alphabet("\t\r\n-\0a\xc3\xa9\xff\x8e", 11);
        for (int i = 0; i < 3000; ++i) {
            QByteArray bytes(int(random.bounded(2000)), Qt::Uninitialized);
            const bool structured = i % 2 == 0;
            for (char &c : bytes)
                c = structured ? alphabet[int(random.bounded(alphabet.size()))] : char(random.bounded(256));
            const Contents contents = SavedList::read(bytes);
            for (const ListRow &row : contents.rows)
                QVERIFY(!row.label.contains(QLatin1Char('\t')) && !row.time.contains(QLatin1Char('\t')));
        }
        const QByteArray longLine(qsizetype{4} * 1024 * 1024, 'x');
        QCOMPARE(SavedList::read(longLine + "\t1\t2\n").rows.size(), 1);
        QCOMPARE(SavedList::read(QByteArray(100000, '\r')).rows.size(), 0);
    }
};

VEL_TEST_MAIN(TestSavedList)
#include "test_saved_list.moc"
