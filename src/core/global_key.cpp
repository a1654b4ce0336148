#include "core/global_key.h"

#include <array>

namespace GlobalKey {
namespace {
struct Named {
    Qt::Key key;
    quint32 keysym;
    const char *name;
};
// Keys whose keysym is not their Latin-1 code.
constexpr std::array kNamed{
    Named{Qt::Key_Escape, 0xff1b, "Escape"},
    Named{Qt::Key_Tab, 0xff09, "Tab"},
    Named{Qt::Key_Backspace, 0xff08, "BackSpace"},
    Named{Qt::Key_Return, 0xff0d, "Return"},
    Named{Qt::Key_Enter, 0xff8d, "KP_Enter"},
    Named{Qt::Key_Insert, 0xff63, "Insert"},
    Named{Qt::Key_Delete, 0xffff, "Delete"},
    Named{Qt::Key_Pause, 0xff13, "Pause"},
    Named{Qt::Key_Print, 0xff61, "Print"},
    Named{Qt::Key_Home, 0xff50, "Home"},
    Named{Qt::Key_End, 0xff57, "End"},
    Named{Qt::Key_Left, 0xff51, "Left"},
    Named{Qt::Key_Up, 0xff52, "Up"},
    Named{Qt::Key_Right, 0xff53, "Right"},
    Named{Qt::Key_Down, 0xff54, "Down"},
    Named{Qt::Key_PageUp, 0xff55, "Prior"},
    Named{Qt::Key_PageDown, 0xff56, "Next"},
    Named{Qt::Key_Menu, 0xff67, "Menu"},
    Named{Qt::Key_MediaPlay, 0x1008ff14, "XF86AudioPlay"},
    Named{Qt::Key_MediaStop, 0x1008ff15, "XF86AudioStop"},
    Named{Qt::Key_MediaPrevious, 0x1008ff16, "XF86AudioPrev"},
    Named{Qt::Key_MediaNext, 0x1008ff17, "XF86AudioNext"},
};
constexpr quint32 kF1 = 0xffbe;

const Named *named(Qt::Key key)
{
    for (const Named &entry : kNamed)
        if (entry.key == key)
            return &entry;
    return nullptr;
}
} // namespace

quint16 chordMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? Shift : 0) | (modifiers & Qt::ControlModifier ? Control : 0) |
           (modifiers & Qt::AltModifier ? Mod1 : 0) | (modifiers & Qt::MetaModifier ? Mod4 : 0);
}

QList<quint16> grabMasks(Qt::KeyboardModifiers modifiers)
{
    const quint16 chord = chordMask(modifiers);
    return {chord, quint16(chord | Lock), quint16(chord | Mod2), quint16(chord | Lock | Mod2)};
}

bool holdsChord(quint16 state, Qt::KeyboardModifiers modifiers)
{
    return (state & (Shift | Control | Mod1 | Mod4)) == chordMask(modifiers);
}

quint32 keysym(Qt::Key key)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return kF1 + (key - Qt::Key_F1);
    if (const Named *entry = named(key))
        return entry->keysym;
    // Latin-1 keys are their code; Qt names letters by their capital.
    return (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) ||
                   (key >= Qt::Key_nobreakspace && key <= Qt::Key_ydiaeresis)
               ? quint32(key)
               : 0;
}

QString portalTrigger(QKeyCombination key)
{
    const Qt::Key code = key.key();
    QString name;
    if (code >= Qt::Key_F1 && code <= Qt::Key_F35)
        name = QStringLiteral("F%1").arg(code - Qt::Key_F1 + 1);
    else if (const Named *entry = named(code))
        name = QLatin1String(entry->name);
    else if ((code >= Qt::Key_0 && code <= Qt::Key_9) || (code >= Qt::Key_A && code <= Qt::Key_Z))
        name = QChar(code).toLower();
    if (name.isEmpty())
        return {};
    const Qt::KeyboardModifiers modifiers = key.keyboardModifiers();
    QStringList parts;
    for (const auto &[modifier, text] : {std::pair{Qt::ControlModifier, "CTRL"}, std::pair{Qt::AltModifier, "ALT"},
                                         std::pair{Qt::ShiftModifier, "SHIFT"}, std::pair{Qt::MetaModifier, "LOGO"}})
        if (modifiers & modifier)
            parts << QLatin1String(text);
    return (parts << name).join('+');
}
} // namespace GlobalKey
