#pragma once

#include "fake_platform.h"
#include "main_window/window1.h"
#include "shell/appli.h"
#include "widgets/list_box.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

// Runs the program's start-up against a fake platform and gives tests short
// ways to reach the main window and its list.
class ProgramFixture {
public:
    ProgramFixture() { Platform::install(&platform); }
    ~ProgramFixture()
    {
        appli::destroyWindows();
        Platform::install(nullptr);
    }

    // Fresh state, fresh windows, then the program's own start-up; prepare
    // sets up the fresh platform (fonts, preferences folder, screen) first.
    void start(const std::function<void(FakePlatform &)> &prepare = {});

    Window1 &window() const { return Window1::instance(); }
    int rowCount() const { return window().laps().rowCount(); }
    QStringList row(int index) const;
    QStringList lastRow() const { return row(rowCount() - 1); }
    QString display() const { return window().StaticText2->text(); }

    void click(QPushButton *button);
    // Advances the clock and fires the tick once, as Timer3 would.
    void tick(double seconds);

    // Scripts the next question: records its text in `asked`, types `typed`
    // into its answer field if it has one, then clicks button 1 or 2, or
    // presses Escape (0), or a SIGTERM comes while it waits (kSignal).
    void answer(int button, const QString &typed = QString());
    QStringList asked;
    static constexpr int kSignal = -1;

    // The run controls as one line, to compare with kIdle.
    QString controls() const;

    FakePlatform platform;
};

inline const QString kIdle = QStringLiteral("Départ pause:off Pause lap:off modes:on:on clear:on tick:off");

// The buttons of a dialog as last shown, "*" after the default one, then its icon.
template <class Dialog>
QString dialogButtons()
{
    const auto b = [](const QPushButton *p) { return p->text() + (p->isDefault() ? "*" : ""); };
    return b(Dialog::instance().PushButton1) + '|' + b(Dialog::instance().PushButton2) + '|' +
           QString::number(Dialog::instance().icone_fenetre);
}

// Types text into a field through key events, accents included.
void typeInto(QWidget *field, const QString &text);

// Tests run under the program's own application object.
#define VEL_TEST_MAIN(TestClass)                                                                                       \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        QStandardPaths::setTestModeEnabled(true);                                                                      \
        appli app(argc, argv);                                                                                         \
        TestClass test;                                                                                                \
        const int status = QTest::qExec(&test, argc, argv);                                                            \
        appli::destroyWindows();                                                                                       \
        return status;                                                                                                 \
    }
