#include "platform/date_texts.h"

#include <QtTest>

class TestDateTexts : public QObject {
    Q_OBJECT
private slots:
    void frenchWhateverTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QDateTime moment(QDate(2026, 12, 6), QTime(14, 2, 11));
        QCOMPARE(DateTexts::longDate(moment), QStringLiteral("dimanche 6 décembre 2026"));
        QCOMPARE(DateTexts::shortDate(moment), QStringLiteral("06/12/2026"));
        QCOMPARE(DateTexts::longTime(moment), QStringLiteral("14:02:11"));
        QCOMPARE(DateTexts::shortTime(moment), QStringLiteral("14:02"));
        QCOMPARE(DateTexts::longTime(QDateTime(QDate(2026, 1, 1), QTime(9, 5, 3))), QStringLiteral("09:05:03"));
    }
};

QTEST_GUILESS_MAIN(TestDateTexts)
#include "test_date_texts.moc"
