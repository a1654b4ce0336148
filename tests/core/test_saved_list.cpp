#include "core/saved_list.h"

#include <QtTest>

class TestSavedList : public QObject {
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
        QTest::newRow("one tab") << QByteArray("a\tb\n") << "#a|b|/";
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
};

QTEST_GUILESS_MAIN(TestSavedList)
#include "test_saved_list.moc"
