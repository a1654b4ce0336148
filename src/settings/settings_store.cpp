#include "settings/settings_store.h"

#include "core/settings.h"
#include "platform/platform.h"
#include "settings/preferences_file.h"

#include <QDir>
#include <QKeySequence>

SettingsStore::SettingsStore(Settings &settings, Platform &platform, QObject *parent)
    : QObject(parent), settings_(settings), platform_(platform), folder_(platform.preferencesFolder())
{
    connect(&settings, &Settings::changed, this, &SettingsStore::keep);
}

bool SettingsStore::load()
{
    const std::optional<Preferences> stored = PreferencesFile::load(folder_);
    maximized_ = PreferencesFile::maximized(folder_);
    globalKey_ = QKeySequence::fromString(PreferencesFile::globalKey(folder_), QKeySequence::PortableText)[0];
    kept_ = stored.value_or(Preferences()).encode(); // first, so that nothing is written back
    settings_.set(stored.value_or(Preferences()));
    return stored.has_value();
}

void SettingsStore::adopt(const Preferences &values)
{
    kept_ = values.encode();
    settings_.set(values);
}

void SettingsStore::keep()
{
    if (settings_.values().encode() != kept_)
        write(false);
}

void SettingsStore::write(bool report)
{
    if (sealed_)
        return;
    const QByteArray bytes = settings_.values().encode();
    const QString problem = PreferencesFile::save(folder_, settings_.values());
    if (problem.isEmpty())
        kept_ = bytes;
    else if (report)
        platform_.messageBox(QStringLiteral("Impossible d'enregistrer les préférences dans « %1 » : %2")
                                 .arg(QDir::toNativeSeparators(PreferencesFile::path(folder_)), problem));
}

void SettingsStore::setMaximized(bool maximized)
{
    if (sealed_ || maximized == maximized_)
        return;
    maximized_ = maximized;
    PreferencesFile::setMaximized(folder_, maximized);
}

void SettingsStore::setGlobalKey(QKeyCombination key)
{
    if (sealed_ || key == globalKey_)
        return;
    globalKey_ = key;
    PreferencesFile::setGlobalKey(folder_, QKeySequence(key).toString(QKeySequence::PortableText));
}
