#include "program_fixture.h"

#include "app/about_window.h"
#include "core/timekeeper.h"

#include <QtWidgets>

void ProgramFixture::start(const std::function<void(FakePlatform &)> &prepare)
{
    app.reset();
    platform = FakePlatform();
    asked.clear();
    buttons.clear();
    if (prepare)
        prepare(platform);
    app = std::make_unique<Application>(platform);
    app->start();
}

void ProgramFixture::click(const QString &button)
{
    auto *pushed = control<QPushButton>(button);
    QVERIFY2(pushed && pushed->isEnabled(), qPrintable(button + QStringLiteral(" is missing or disabled")));
    QTest::mouseClick(pushed, Qt::LeftButton);
}

void ProgramFixture::endWelcome()
{
    for (int step = 0; step < 2; ++step) {
        auto *steps = app->about()->findChild<QTimer *>(QStringLiteral("Timer1"));
        steps->start(0);
        QCoreApplication::processEvents();
    }
}

void ProgramFixture::fire(const QString &timer)
{
    auto *t = control<QTimer>(timer);
    t->start(0);
    QCoreApplication::processEvents();
    QVERIFY(!t->isActive() || t->interval() != 0);
}

void ProgramFixture::answer(int button, const QString &typed)
{
    platform.dialogScripts.enqueue([this, button, typed](QDialog &dialog) {
        asked.append(dialog.findChild<QLabel *>(QStringLiteral("StaticText1"))->text());
        const auto shown = [&](const char *name) {
            const auto *b = dialog.findChild<QPushButton *>(QLatin1String(name));
            return b->text() + (b->isDefault() ? "*" : "");
        };
        buttons.append(shown("PushButton1") + '|' + shown("PushButton2") + '|' +
                       dialog.findChild<QWidget *>(QStringLiteral("Canvas1"))->accessibleName());
        if (auto *field = dialog.findChild<QPlainTextEdit *>(QStringLiteral("EditField1")); field && !typed.isNull())
            field->setPlainText(typed);
        if (button == kSignal)
            platform.terminate();
        else if (button == 0)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("PushButton%1").arg(button)),
                              Qt::LeftButton);
        QVERIFY(button == kSignal || !dialog.isVisible()); // a button left it open: the program would wait
    });
}

QString ProgramFixture::controls() const
{
    const auto on = [this](const char *name) { return control(QLatin1String(name))->isEnabled() ? ":on" : ":off"; };
    return QStringLiteral("%1 pause%2 %3 lap%4 modes%5%6 clear%7 tick%8")
        .arg(control<QPushButton>("bt_depart")->text(), on("bt_pause"), control<QPushButton>("bt_pause")->text(),
             on("intermediaire"), on("RadioButton1"), on("RadioButton2"), on("efface_liste"),
             control<QTimer>("Timer3")->isActive() ? ":on" : ":off");
}

void typeInto(QWidget *field, const QString &text)
{
    // Key events carry their text, so accented letters type like any other.
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
