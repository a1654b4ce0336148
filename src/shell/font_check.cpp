#include "shell/font_check.h"

namespace FontCheck {
namespace {
bool hasAny(const QStringList &families, std::initializer_list<const char *> names)
{
    for (const char *name : names)
        if (families.contains(QLatin1String(name), Qt::CaseInsensitive))
            return true;
    return false;
}
} // namespace

bool hasHelvetica(const QStringList &families)
{
    return hasAny(families, {"helvetica", "Nimbus Sans", "Nimbus Sans L", "TeX Gyre Heros", "FreeSans"});
}

bool hasCourier(const QStringList &families)
{
    return hasAny(families, {"courier", "Nimbus Mono PS", "Nimbus Mono L", "TeX Gyre Cursor", "FreeMono"});
}

QString warning(const QStringList &families)
{
    QStringList missing;
    if (!hasHelvetica(families))
        missing.append(QStringLiteral("\"Helvetica\""));
    if (!hasCourier(families))
        missing.append(QStringLiteral("\"Courier\""));
    if (missing.isEmpty())
        return QString();
    const QString list = missing.join(QStringLiteral(", "));
    const QString tail = QStringLiteral(" Certains problèmes d'affichage peuvent se poser.\r"
                                        "Si vous voulez lancer VelTiming malgré tout, cliquez sur \"Continuer\".");
    if (missing.size() == 1)
        return QStringLiteral("La police ") + list + QStringLiteral(" n'est pas installée.") + tail;
    return QStringLiteral("Les polices ") + list + QStringLiteral(" ne sont pas installées.") + tail;
}
} // namespace FontCheck
