#pragma once

#include "app/application.h"
#include "core/timekeeper.h"
#include "fake_platform.h"
#include "timing/main_window.h"

#include <QtTest>
#include <QtWidgets>

// Runs the program's start-up against a fake platform and gives tests short ways to reach the main window, its
// controls by their object names, and the list.
class ProgramFixture {
public:
    ~ProgramFixture() { app.reset(); }

    // A fresh program on a fresh platform, through its own start-up; prepare sets the platform up first.
    void start(const std::function<void(FakePlatform &)> &prepare = {});
    // The program gone, as when killed: its windows close and nothing more is written.
    void stop() { app.reset(); }

    Application &application() const { return *app; }
    MainWindow &window() const { return *app->window(); }
    Timekeeper &timekeeper() const { return app->timekeeper(); }
    template <class Control = QWidget>
    Control *control(const QString &name) const
    {
        return window().findChild<Control *>(name);
    }
    int rowCount() const { return timekeeper().list().rowCount(); }
    QStringList row(int index) const
    {
        const ListRow cells = timekeeper().list().row(index);
        return {cells.label, cells.time, cells.difference};
    }
    QString display() const { return control<QLabel>("StaticText2")->text(); }

    // Clicks the button of that object name, which must be enabled.
    void click(const QString &button);
    // Triggers the menu item of that object name.
    void trigger(const QString &item) { window().menuBar()->findChild<QAction *>(item)->trigger(); }
    // The welcome's two steps, then what follows it.
    void endWelcome();
    // Lets one of the window's timers fire now: "Timer3" the tick, "heure" the clock, "regarde_date" the date.
    void fire(const QString &timer);
    // Advances the clock and fires the tick once.
    void tick(double seconds) { platform.advance(seconds), fire("Timer3"); }

    // Scripts the next question: records its text in `asked`, types `typed` into its answer field if it has one,
    // then clicks button 1 or 2, or presses Escape (0), or a SIGTERM comes while it waits (kSignal). Its buttons go
    // to `buttons`: "first|second|icon", a star after the default.
    void answer(int button, const QString &typed = QString());
    QStringList asked, buttons;
    static constexpr int kSignal = -1;

    // The run controls as one line, to compare with kIdle.
    QString controls() const;

    FakePlatform platform;

private:
    std::unique_ptr<Application> app;
};

inline const QString kIdle = QStringLiteral("Départ pause:off Pause lap:off modes:on:on clear:on tick:off");

// Types text into a field through key events, accents included.
void typeInto(QWidget *field, const QString &text);

// Tests run under the program's application, prepared as the program's is, in an English locale that its French
// texts must not follow.
#define VEL_TEST_MAIN(TestClass)                                                                                       \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        QStandardPaths::setTestModeEnabled(true);                                                                      \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                                         \
        QApplication qt(argc, argv);                                                                                   \
        Application::prepare(qt);                                                                                      \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
