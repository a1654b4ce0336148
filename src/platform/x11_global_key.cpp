#include "platform/x11_global_key.h"

#include "core/global_key.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

std::unique_ptr<X11GlobalKey> X11GlobalKey::make(Pressed pressed)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    xcb_connection_t *connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    return std::unique_ptr<X11GlobalKey>(new X11GlobalKey(connection, root, std::move(pressed)));
}

X11GlobalKey::X11GlobalKey(xcb_connection_t *connection, quint32 root, Pressed pressed)
    : connection_(connection), root_(root), pressed_(std::move(pressed))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11GlobalKey::~X11GlobalKey()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    ungrab(keycode_, modifiers_);
    xcb_flush(connection_);
}

QString X11GlobalKey::hold(QKeyCombination key)
{
    if (key == GlobalKey::kNone) {
        ungrab(keycode_, modifiers_);
        xcb_flush(connection_);
        keycode_ = 0;
        return {};
    }
    const quint8 code = keycode(GlobalKey::keysym(key.key()));
    if (!code)
        return QStringLiteral("le clavier n'a pas cette touche");
    const Qt::KeyboardModifiers modifiers = key.keyboardModifiers();
    if (code == keycode_ && modifiers == modifiers_)
        return {};
    bool taken = false;
    for (const quint16 mask : GlobalKey::grabMasks(modifiers)) {
        // Not owner_events: the press goes to the root even when one of the
        // program's own windows has the focus, so it is seen once, here.
        const xcb_void_cookie_t cookie =
            xcb_grab_key_checked(connection_, 0, root_, mask, code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t *error = xcb_request_check(connection_, cookie)) {
            taken = true;
            std::free(error);
        }
    }
    if (taken) { // ungrabbing what another client holds leaves it to that client
        ungrab(code, modifiers);
        xcb_flush(connection_);
        return QStringLiteral("un autre programme l'a déjà prise");
    }
    if (code != keycode_ || modifiers != modifiers_)
        ungrab(keycode_, modifiers_);
    xcb_flush(connection_);
    keycode_ = code;
    modifiers_ = modifiers;
    down_ = false;
    return {};
}

void X11GlobalKey::ungrab(quint8 keycode, Qt::KeyboardModifiers modifiers)
{
    if (!keycode)
        return;
    for (const quint16 mask : GlobalKey::grabMasks(modifiers))
        xcb_ungrab_key(connection_, keycode, root_, mask);
}

quint8 X11GlobalKey::keycode(quint32 keysym) const
{
    if (!keysym)
        return 0;
    const xcb_setup_t *setup = xcb_get_setup(connection_);
    const xcb_get_keyboard_mapping_cookie_t cookie =
        xcb_get_keyboard_mapping(connection_, setup->min_keycode, setup->max_keycode - setup->min_keycode + 1);
    xcb_get_keyboard_mapping_reply_t *reply = xcb_get_keyboard_mapping_reply(connection_, cookie, nullptr);
    if (!reply)
        return 0;
    const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(reply);
    const int count = xcb_get_keyboard_mapping_keysyms_length(reply);
    quint8 found = 0;
    for (int i = 0; i < count && !found && reply->keysyms_per_keycode; ++i)
        if (keysyms[i] == keysym)
            found = quint8(setup->min_keycode + i / reply->keysyms_per_keycode);
    std::free(reply);
    return found;
}

bool X11GlobalKey::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (!keycode_ || eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const quint8 type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    // Presses and releases share one layout.
    const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
    if (key->event != root_ || key->detail != keycode_)
        return false;
    if (type == XCB_KEY_RELEASE) {
        down_ = false;
        released_ = key->time;
        return true;
    }
    // A repeat comes as a press while down, or as a release and a press
    // of the same time.
    const bool repeat = down_ || key->time == released_;
    down_ = true;
    if (!repeat && GlobalKey::holdsChord(key->state, modifiers_))
        pressed_(key->time);
    return true;
}
