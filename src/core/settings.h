#pragma once

#include "core/preferences.h"

#include <QObject>

// The program's settings while it runs: read from the preferences file at
// start-up, changed by the windows and the run, and written back as they
// change. The one place they are kept.
class Settings : public QObject {
    Q_OBJECT
public:
    explicit Settings(QObject *parent = nullptr) : QObject(parent) {}

    const Preferences &values() const { return values_; }
    // Emits changed() when they differ from those held.
    void set(const Preferences &values);

signals:
    void changed();

private:
    Preferences values_;
};
