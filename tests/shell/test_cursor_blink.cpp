#include "shell/cursor_blink.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

class TestCursorBlink : public QObject {
    Q_OBJECT
private slots:
    void blinkingStopsAndInputRestartsIt()
    {
        QApplication::setCursorFlashTime(1000);
        CursorBlink blink(nullptr, 60000);
        QLineEdit field;
        field.show();
        blink.stopBlinking();
        QCOMPARE(QApplication::cursorFlashTime(), 0);
        QTest::keyClick(&field, Qt::Key_A);
        QCOMPARE(QApplication::cursorFlashTime(), 1000);
        blink.stopBlinking();
        QTest::mouseClick(&field, Qt::LeftButton);
        QCOMPARE(QApplication::cursorFlashTime(), 1000);
    }
};

QTEST_MAIN(TestCursorBlink)
#include "test_cursor_blink.moc"
