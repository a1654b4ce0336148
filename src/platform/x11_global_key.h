#pragma once

#include <QAbstractNativeEventFilter>
#include <QKeyCombination>
#include <QString>

#include <functional>
#include <memory>

struct xcb_connection_t;

// The global key on X11: grabbed on the root window through Qt's own
// connection, with and without Caps Lock and Num Lock, so that its presses
// come to the program whichever window has the focus. Each press is told
// with the X event's time, which is the monotonic clock's milliseconds.
class X11GlobalKey : public QAbstractNativeEventFilter {
public:
    using Pressed = std::function<void(quint64 stampMs)>;
    // Null where the program does not show its windows on X11.
    static std::unique_ptr<X11GlobalKey> make(Pressed pressed);
    ~X11GlobalKey() override;

    // Grabs the key in place of the one held; an empty key releases it. Why
    // the key cannot be grabbed, the one held then kept, or an empty text.
    QString hold(QKeyCombination key);

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    X11GlobalKey(xcb_connection_t *connection, quint32 root, Pressed pressed);
    void ungrab(quint8 keycode, Qt::KeyboardModifiers modifiers);
    quint8 keycode(quint32 keysym) const;

    xcb_connection_t *connection_;
    quint32 root_;
    Pressed pressed_;
    quint8 keycode_ = 0; // 0 while no key is held
    Qt::KeyboardModifiers modifiers_;
    // A key held down repeats: only its first press counts.
    bool down_ = false;
    quint32 released_ = 0;
};
