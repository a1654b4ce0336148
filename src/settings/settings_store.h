#pragma once

#include <QByteArray>
#include <QKeyCombination>
#include <QObject>
#include <QString>

class Platform;
class Settings;
struct Preferences;

// Where the settings are read and written: the preferences file, read at
// start-up and written whole, in one step, whenever the settings change, so
// that a kill loses none; and at quit, where a failure is told.
class SettingsStore : public QObject {
    Q_OBJECT
public:
    SettingsStore(Settings &settings, Platform &platform, QObject *parent);

    // The settings the file holds, or the defaults; false when there is no file.
    bool load();
    // The settings as start-up leaves them (the window's frame put on a
    // screen), written only once something else changes.
    void adopt(const Preferences &values);
    // Written when they differ from what the file holds; a failure is tried
    // again at the next change.
    void keep();
    // Written whatever the file holds, as the program ends; `report` tells a
    // failure.
    void write(bool report);
    // Stops writing: the program is ending and what is written stays.
    void seal() { sealed_ = true; }

    bool maximized() const { return maximized_; }
    void setMaximized(bool maximized);
    // The key that takes a lap from anywhere; none by default.
    QKeyCombination globalKey() const { return globalKey_; }
    void setGlobalKey(QKeyCombination key);

private:
    Settings &settings_;
    Platform &platform_;
    QString folder_;
    QByteArray kept_; // what the file holds, as far as the program knows
    bool maximized_ = false;
    QKeyCombination globalKey_;
    bool sealed_ = false;
};
