#pragma once

#include "core/preferences.h"
#include "core/remote_control.h"
#include "core/settings.h"
#include "core/timekeeper.h"

#include <QObject>
#include <QRect>
#include <QTimer>

#include <memory>

class AboutWindow;
class Documents;
class ListCopy;
class MainWindow;
class MenuBar;
class Platform;
class PreferencesWindow;
class QApplication;
class SettingsStore;
class TrayIcon;

// The application object: it owns the program's state (the timekeeper and
// its settings) and its windows, and hands them by reference to what needs
// them. It starts the program, and ends it as the user, the system or a
// logout asks, writing what must be kept.
class Application : public QObject {
    Q_OBJECT
public:
    explicit Application(Platform &platform, QObject *parent = nullptr);
    ~Application() override;

    // What Qt is told before anything is shown: the program's names and icon,
    // and French standard dialogs.
    static void prepare(QApplication &qt);
    // The program's name, which also names its folders; also for a command.
    static void prepareNames();

    // Start-up, inside the event loop: one program per user, the fonts, the
    // main window with the settings restored, the welcome, and then the lists
    // earlier programs left.
    void start();
    // The quit's last writing of the settings.
    void close();

    Timekeeper &timekeeper() { return timekeeper_; }
    // Null until start-up made them, or when the program did not start.
    MainWindow *window() const { return window_.get(); }
    Documents *documents() const { return documents_.get(); }
    ListCopy *copy() const { return copy_; }
    AboutWindow *about() const { return about_.get(); }
    // Made the first time it is shown.
    PreferencesWindow *preferences() const { return preferences_; }
    void showPreferences();
    void showAbout();

protected:
    // The main window's moves, sizes and maximizing are kept as they change.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool fontsAccepted();
    void buildWindows();
    void connectMenus(const MenuBar &menu);
    // The window where the settings put it, wholly on a screen there is now.
    void placeWindow(const Preferences &settings);
    // The window's frame into the settings; where its place cannot be known,
    // the one read at start-up stays.
    void keepFrame();
    Preferences withFrame(Preferences values) const;
    void showHelpTags();
    void showTray();
    // The key that takes a lap from anywhere, as start-up restores it or the
    // preferences choose it; only a chosen key the desktop grants is kept.
    void holdGlobalKey(QKeyCombination key, bool chosen);
    void pressGlobalKey(quint64 stampMs);
    // A question waits in a window: commands from outside wait too.
    static bool questionWaits();
    // A termination signal: the copy and the settings are written without a
    // question, then the program ends.
    void endOnSignal();
    // Logout: with interaction, as the quit command; without, as a signal.
    bool endSession(bool interactive);

    Platform &platform_;
    Settings settings_;
    Timekeeper timekeeper_{settings_};
    // Commands from outside the window: a later start, the command line.
    RemoteControl remote_{timekeeper_};
    SettingsStore *store_;
    std::unique_ptr<MainWindow> window_;
    ListCopy *copy_ = nullptr;
    std::unique_ptr<Documents> documents_;
    std::unique_ptr<AboutWindow> about_;
    PreferencesWindow *preferences_ = nullptr;
    TrayIcon *tray_ = nullptr;
    // Only a start-up that restored the settings writes them back at quit.
    bool started_ = false;
    // The frame as read, where the window was put, and whether the window
    // manager has framed it since.
    Preferences stored_;
    QRect placed_;
    bool framed_ = false;
    QTimer keepFrame_;
};
