#include "shell/preference_records.h"
#include "shell/preferences.h"

#include <QRandomGenerator>
#include <QtTest>

class TestPreferences : public QObject {
    Q_OBJECT

    static QByteArray example()
    {
        return QByteArray::fromHex("02 32 30 02 35 30 03 33 35 37 03 35 32 30 01 30 01 31 01 31 "
                                   "04 53 74 6F 70 03 33 30 30 01 32 04 54 6F 75 72");
    }

    // A file whose records are the given texts, the rest taken from the example.
    static QByteArray withRecord(int index, const QByteArray &text)
    {
        QList<QByteArray> records = PreferenceRecords::read(example(), 11);
        records[index] = text;
        return PreferenceRecords::write(records);
    }

private slots:
    void exampleBothWays()
    {
        const Preferences p = Preferences::decode(example());
        QCOMPARE(p.left, 20);
        QCOMPARE(p.top, 50);
        QCOMPARE(p.hauteur, 357);
        QCOMPARE(p.largeur, 520);
        QVERIFY(!p.demandeMessage);
        QVERIFY(p.voirEcarts);
        QVERIFY(p.prefTips);
        QCOMPARE(p.texteTimer, QStringLiteral("Stop"));
        QCOMPARE(p.preset, QStringLiteral("300"));
        QVERIFY(!p.chronometre);
        QCOMPARE(p.lapLabel, QStringLiteral("Tour"));
        QCOMPARE(p.encode().size(), 36);
        QCOMPARE(p.encode(), example());
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<bool>("flags");
        QTest::addColumn<bool>("chronometre");
        QTest::addColumn<QString>("label");
        QTest::newRow("negative left, empty message") << -340 << ""
                                                      << "300" << true << true << "Tour ";
        QTest::newRow("flags off, accents") << 0 << "Fini — à table!"
                                            << "3596400" << false << false << "Étape";
        QTest::newRow("preset not a number") << 1920 << "x"
                                             << "préftemps" << true << false << " ";
    }

    void roundTrip()
    {
        QFETCH(int, left);
        QFETCH(QString, message);
        QFETCH(QString, preset);
        QFETCH(bool, flags);
        QFETCH(bool, chronometre);
        QFETCH(QString, label);
        Preferences p;
        p.left = left;
        p.top = -12;
        p.hauteur = 700;
        p.largeur = 600;
        p.demandeMessage = flags;
        p.voirEcarts = !flags;
        p.prefTips = flags;
        p.texteTimer = message;
        p.preset = preset;
        p.chronometre = chronometre;
        p.lapLabel = label;
        const Preferences back = Preferences::decode(p.encode());
        QCOMPARE(back.left, p.left);
        QCOMPARE(back.top, p.top);
        QCOMPARE(back.hauteur, p.hauteur);
        QCOMPARE(back.largeur, p.largeur);
        QCOMPARE(back.demandeMessage, p.demandeMessage);
        QCOMPARE(back.voirEcarts, p.voirEcarts);
        QCOMPARE(back.prefTips, p.prefTips);
        QCOMPARE(back.texteTimer, p.texteTimer);
        QCOMPARE(back.preset, p.preset);
        QCOMPARE(back.chronometre, p.chronometre);
        QCOMPARE(back.lapLabel, p.lapLabel);
    }

    void readingRules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("mode 2") << withRecord(9, "2") << "chronometre" << QVariant(false);
        QTest::newRow("mode 0") << withRecord(9, "0") << "chronometre" << QVariant(false);
        QTest::newRow("mode empty") << withRecord(9, "") << "chronometre" << QVariant(false);
        QTest::newRow("mode 1") << withRecord(9, "1") << "chronometre" << QVariant(true);
        QTest::newRow("flag true") << withRecord(4, "true") << "demandeMessage" << QVariant(false);
        QTest::newRow("flag blank 1") << withRecord(4, " 1") << "demandeMessage" << QVariant(false);
        QTest::newRow("flag 1") << withRecord(4, "1") << "demandeMessage" << QVariant(true);
        QTest::newRow("empty lap label") << withRecord(10, "") << "lapLabel" << QVariant("Intermédiaire");
        QTest::newRow("empty message") << withRecord(7, "") << "texteTimer" << QVariant("");
        QTest::newRow("number with text") << withRecord(0, "12px") << "left" << QVariant(12);
        QTest::newRow("not a number") << withRecord(1, "haut") << "top" << QVariant(0);
        QTest::newRow("extra data") << example() + QByteArray("\x05junk!\xff", 7) << "lapLabel" << QVariant("Tour");
        QTest::newRow("truncated file") << example().left(20) << "texteTimer" << QVariant("");
        QTest::newRow("truncated, mode missing") << example().left(20) << "chronometre" << QVariant(false);
        QTest::newRow("truncated, label missing") << example().left(20) << "lapLabel" << QVariant("Intermédiaire");
        QTest::newRow("length runs past the end")
            << example().left(20) + QByteArray("\xC8Stop", 5) << "texteTimer" << QVariant("");
        QTest::newRow("empty file") << QByteArray() << "voirEcarts" << QVariant(false);
    }

    void readingRules()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, field);
        QFETCH(QVariant, expected);
        const Preferences p = Preferences::decode(file);
        const QVariantMap fields{{"chronometre", p.chronometre},
                                 {"demandeMessage", p.demandeMessage},
                                 {"lapLabel", p.lapLabel},
                                 {"texteTimer", p.texteTimer},
                                 {"left", p.left},
                                 {"top", p.top},
                                 {"voirEcarts", p.voirEcarts}};
        QCOMPARE(fields.value(field), expected);
    }

    void overlongTextIsCutAtACharacterBoundary()
    {
        Preferences p;
        p.texteTimer = QString(128, QLatin1Char('a')) + QString(100, QChar(0x00E9)); // 128 + 200 bytes
        const QByteArray file = p.encode();
        const QString back = Preferences::decode(file).texteTimer;
        QCOMPARE(back.toUtf8().size(), 254); // 128 + 63 * 2: the 64th "é" would split
        QVERIFY(p.texteTimer.startsWith(back));
        QCOMPARE(Preferences::decode(file).lapLabel, p.lapLabel);
    }

    void randomFilesNeverCrash()
    {
        QRandomGenerator random(20261206);
        for (int i = 0; i < 10000; ++i) {
            QByteArray data(int(random.bounded(400)), Qt::Uninitialized);
            for (char &byte : data)
                byte = char(random.bounded(i % 2 ? 256 : 16));
            const Preferences p = Preferences::decode(data);
            QVERIFY(p.encode().size() <= qsizetype{11} * 256);
        }
    }
};

QTEST_APPLESS_MAIN(TestPreferences)
#include "test_preferences.moc"
