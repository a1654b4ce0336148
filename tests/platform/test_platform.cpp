#include "platform/beep_player.h"
#include "platform/date_texts.h"

#include <QSoundEffect>
#include <QtTest>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void frenchDatesWhateverTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QDateTime moment(QDate(2026, 12, 6), QTime(14, 2, 11));
        QCOMPARE(DateTexts::longDate(moment), QStringLiteral("dimanche 6 décembre 2026"));
        QCOMPARE(DateTexts::shortDate(moment), QStringLiteral("06/12/2026"));
        QCOMPARE(DateTexts::longTime(moment), QStringLiteral("14:02:11"));
        QCOMPARE(DateTexts::shortTime(moment), QStringLiteral("14:02"));
        QCOMPARE(DateTexts::longTime(QDateTime(QDate(2026, 1, 1), QTime(9, 5, 3))), QStringLiteral("09:05:03"));
    }

    // A program started in a read-only folder beeps without writing there.
    void beepsWithoutWritingInTheCurrentFolder()
    {
        QTemporaryDir folder;
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QDir::setCurrent(folder.path()));
        BeepPlayer player;
        for (int i = 0; i < 3; ++i)
            player.beep();
        const QSoundEffect *effect = player.findChild<QSoundEffect *>();
        QVERIFY(effect && effect->source().scheme() == "qrc");
        QTRY_COMPARE(effect->status(), QSoundEffect::Ready); // decoded, with or without an audio device
        QTest::qWait(600);                                   // the two queued beeps
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
        QVERIFY(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
