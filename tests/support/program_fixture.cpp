#include "program_fixture.h"

#include "core/variables_globales.h"
#include "main_window/window1.h"
#include "platform/file_types.h"
#include "widgets/list_box.h"

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

void ProgramFixture::start(const std::function<void(FakePlatform &)> &prepare)
{
    appli::destroyWindows();
    platform = FakePlatform();
    asked.clear();
    if (prepare)
        prepare(platform);
    Variables_globales = VariablesGlobales();
    FileTypes::Initialize();
    App().Open();
}

QStringList ProgramFixture::row(int index) const
{
    const ListRow cells = window().laps().row(index);
    return {cells.label, cells.time, cells.difference};
}

void ProgramFixture::click(QPushButton *button)
{
    QVERIFY2(button->isEnabled(), qPrintable(button->objectName() + QStringLiteral(" is disabled")));
    QTest::mouseClick(button, Qt::LeftButton);
}

void ProgramFixture::tick(double seconds)
{
    platform.advance(seconds);
    window().Timer3_Action();
}

void ProgramFixture::answer(int button, const QString &typed)
{
    platform.dialogScripts.enqueue([this, button, typed](QDialog &dialog) {
        asked.append(dialog.findChild<QLabel *>(QStringLiteral("StaticText1"))->text());
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
    const Window1 &w = window();
    const auto on = [](const QString &name, bool value) { return name + (value ? ":on" : ":off"); };
    return QStringList{w.bt_depart->text(),
                       on("pause", w.bt_pause->isEnabled()),
                       w.bt_pause->text(),
                       on("lap", w.intermediaire->isEnabled()),
                       on("modes", w.RadioButton1->isEnabled()) + on("", w.RadioButton2->isEnabled()),
                       on("clear", w.efface_liste->isEnabled()),
                       on("tick", w.Timer3->isActive())}
        .join(QLatin1Char(' '));
}

void typeInto(QWidget *field, const QString &text)
{
    // Key events carry their text, so accented letters type like any other.
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
