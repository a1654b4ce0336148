#pragma once

#include "core/preferences.h"

#include <QApplication>
#include <QTimer>

// The application object: start-up, shut-down and requests from the system.
class appli : public QApplication {
    Q_OBJECT
public:
    appli(int &argc, char **argv);

    void Open();
    void Close();
    bool HandleAppleEvent(const QString &eventClass, const QString &eventId);

    // Deletes every window of the program, at exit or between tests.
    static void destroyWindows();
    // Brings the main window to the front, as a second start asks.
    static void raiseMainWindow();

protected:
    // The main window's moves, sizes and maximizing are kept as they change.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadTranslations();
    // Writes the settings; report tells whether a failure is shown.
    void savePreferences(bool report);
    // Writes the settings when they differ from what was last written.
    void keepSettings();
    // A termination signal: the list's journal and the settings are written
    // without a question, then the program ends.
    void endOnSignal();
    // Logout: with interaction, as the quit command; without, as a signal.
    bool endSession(bool interactive);
    // False when the user chose to quit at the missing-fonts warning.
    bool fontsAccepted();
    void prepareMainWindow();
    void restoreSettings();
    void applyDefaultSettings();
    void applyStoredSettings(const Preferences &stored);
    // The window's frame, put where it can be seen on the screens there are.
    void placeWindow(const Preferences &settings);
    // The three switches and the alert message, in memory and in the
    // preferences window's boxes.
    void applySwitches(const Preferences &settings);
    // The timer preset and the mode's radio buttons and arrows.
    void applyPreset(const Preferences &settings);
    Preferences currentSettings();

    // Only a start-up that restored the settings writes them back at quit.
    bool settingsRestored_ = false;
    // The settings as read, for the window's place.
    Preferences stored_;
    // Where the main window was put, and whether the window manager has
    // framed it since.
    QRect placed_;
    bool framed_ = false;
    // The settings as last written.
    QByteArray kept_;
    QTimer keepFrame_;
};

// The registered application object.
appli &App();
