#include "settings/preferences_file.h"

#include "core/program.h"

#include "platform/whole_file.h"

#include <QDir>
#include <QSettings>

namespace PreferencesFile {
namespace {
// Eleven records of at most 256 bytes each; anything beyond is never read.
constexpr qint64 kLongestFile = qint64{11} * 256;
} // namespace

QString path(const QString &folder)
{
    return QDir(folder).filePath(Preferences::kFileName);
}

std::optional<Preferences> load(const QString &folder)
{
    if (folder.isEmpty())
        return std::nullopt;
    const std::optional<QByteArray> head = WholeFile::head(path(folder), kLongestFile);
    return head ? std::optional(Preferences::decode(*head)) : std::nullopt;
}

QString save(const QString &folder, const Preferences &preferences)
{
    if (folder.isEmpty())
        return QStringLiteral("le système ne donne pas de dossier de préférences");
    if (!QDir().mkpath(folder))
        return QStringLiteral("le dossier « %1 » ne peut pas être créé").arg(QDir::toNativeSeparators(folder));
    const QByteArray bytes = preferences.encode();
    return WholeFile::write(path(folder), bytes);
}

namespace {
const QString kMaximized = QStringLiteral("fenetre/agrandie");
const QString kGlobalKey = QStringLiteral("clavier/intermediaire");

QSettings beside(const QString &folder)
{
    return QSettings(QDir(folder).filePath(Program::name() + QStringLiteral(".conf")), QSettings::IniFormat);
}

QVariant besideValue(const QString &folder, const QString &name)
{
    return folder.isEmpty() ? QVariant() : beside(folder).value(name);
}

void setBesideValue(const QString &folder, const QString &name, const QVariant &value)
{
    if (!folder.isEmpty())
        beside(folder).setValue(name, value);
}
} // namespace

bool maximized(const QString &folder)
{
    return besideValue(folder, kMaximized).toBool();
}

void setMaximized(const QString &folder, bool maximized)
{
    if (PreferencesFile::maximized(folder) != maximized)
        setBesideValue(folder, kMaximized, maximized);
}

QString globalKey(const QString &folder)
{
    return besideValue(folder, kGlobalKey).toString();
}

void setGlobalKey(const QString &folder, const QString &key)
{
    if (globalKey(folder) != key)
        setBesideValue(folder, kGlobalKey, key);
}
} // namespace PreferencesFile
