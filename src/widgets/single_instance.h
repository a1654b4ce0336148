#pragma once

#include <QPointer>

// A window that exists once, created on first use and kept until the program
// quits (or, for a window that closes itself, until it is closed).
template <class W>
class SingleInstance {
public:
    static W &instance()
    {
        if (!slot())
            slot() = new W();
        return *slot();
    }
    static bool exists() { return !slot().isNull(); }
    // For shut-down and for tests that need a fresh window.
    static void destroyInstance() { delete slot().data(); }

private:
    static QPointer<W> &slot()
    {
        static QPointer<W> window;
        return window;
    }
};
