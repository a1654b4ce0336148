#include "shell/preference_records.h"

#include <QtTest>

// The preferences file's records: a length byte, then that many bytes.
class TestPreferences : public QObject {
    Q_OBJECT
    const QByteArray example =
        QByteArray::fromHex("02323002353003333537033532300130013101310453746F7003333030013204546F7572");

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("data after record 11") << example + QByteArray::fromHex("056A756E6B21FF") << "20|50|357|520|0|1|1|Stop|300|2|Tour";
        QTest::newRow("ends after record 7") << example.left(20) << "20|50|357|520|0|1|1||||";
        QTest::newRow("length past the end") << example.left(20) + QByteArray::fromHex("0901350131") << "20|50|357|520|0|1|1||||";
        QTest::newRow("empty records") << QByteArray(3, '\0') + QByteArray::fromHex("0131") << "|||1|||||||";
        QTest::newRow("empty file") << QByteArray() << "||||||||||";
        // clang-format on
    }
    void read()
    {
        QFETCH(QByteArray, file);
        QTEST(QString(PreferenceRecords::read(file, 11).join('|')), "expected");
    }

    void longTextsAreCutWhole()
    {
        const QByteArray x(255, 'x'), a(128, 'a'), e = QString(100, QChar(0x00E9)).toUtf8(); // 200 bytes of "é"
        QCOMPARE(PreferenceRecords::write({"", x, a + e}), QByteArray(1, '\0') + '\xff' + x + '\xfe' + a + e.left(126));
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "test_preferences.moc"
