#include "core/font_check.h"

#include "core/program.h"

namespace FontCheck {
namespace {
// Qt names a family that several foundries supply "Nimbus Sans [urw]".
QString withoutFoundry(const QString &family)
{
    const qsizetype bracket = family.indexOf(QLatin1String(" ["));
    return bracket > 0 && family.endsWith(QLatin1Char(']')) ? family.left(bracket) : family;
}

bool hasAny(const QStringList &families, std::initializer_list<const char *> names)
{
    for (const QString &family : families) {
        const QString name = withoutFoundry(family);
        for (const char *wanted : names)
            if (name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0)
                return true;
    }
    return false;
}

bool hasHelvetica(const QStringList &families)
{
    return hasAny(families, {"helvetica", "Nimbus Sans", "Nimbus Sans L", "TeX Gyre Heros", "FreeSans"});
}

bool hasCourier(const QStringList &families)
{
    return hasAny(families, {"courier", "Nimbus Mono PS", "Nimbus Mono L", "TeX Gyre Cursor", "FreeMono"});
}
} // namespace

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
    const QString tail = QStringLiteral(" Certains problèmes d'affichage peuvent se poser.\rSi vous voulez lancer ") +
                         Program::name() + QStringLiteral(" malgré tout, cliquez sur \"Continuer\".");
    if (missing.size() == 1)
        return QStringLiteral("La police ") + list + QStringLiteral(" n'est pas installée.") + tail;
    return QStringLiteral("Les polices ") + list + QStringLiteral(" ne sont pas installées.") + tail;
}
} // namespace FontCheck
