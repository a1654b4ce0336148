#pragma once

#include <QKeyCombination>
#include <QList>
#include <QString>

// The key that takes a lap while another program has the focus: what X11 and
// the desktop's shortcuts portal are asked for, from Qt's key and modifiers.
namespace GlobalKey {
// No key, as an empty key sequence holds.
constexpr QKeyCombination kNone = QKeyCombination::fromCombined(0);
// X11's modifier bits: Lock is Caps Lock, Mod2 Num Lock on every usual map.
enum XMask : quint16 { Shift = 1, Lock = 2, Control = 4, Mod1 = 8, Mod2 = 16, Mod4 = 64 };
// The modifiers a press of the key must hold, Caps Lock and Num Lock left out.
quint16 chordMask(Qt::KeyboardModifiers modifiers);
// The masks to grab the key with: the chord's, then with Caps Lock, Num Lock
// and both on, so that the key works whatever the two locks.
QList<quint16> grabMasks(Qt::KeyboardModifiers modifiers);
// Whether an X key event's state is the chord, whatever the locks.
bool holdsChord(quint16 state, Qt::KeyboardModifiers modifiers);
// The X keysym of a key; 0 for a key X has none for, or that is a modifier.
quint32 keysym(Qt::Key key);
// The key as the shortcuts portal writes a trigger, "CTRL+ALT+l"; empty for
// a key it has no name for, which the desktop then lets the user choose.
QString portalTrigger(QKeyCombination key);
} // namespace GlobalKey
