#include "platform/file_problem.h"

#include <cerrno>

namespace FileProblem {
QString describe(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("le disque est plein");
    case EDQUOT:
        return QStringLiteral("le quota de disque est dépassé");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission refusée");
    case ENOENT:
        return QStringLiteral("le fichier ou son dossier n'existe pas");
    case ENOTDIR:
        return QStringLiteral("un élément du chemin n'est pas un dossier");
    case EISDIR:
        return QStringLiteral("c'est un dossier, pas un fichier");
    case EIO:
        return QStringLiteral("erreur d'entrée-sortie sur le disque");
    case ENAMETOOLONG:
        return QStringLiteral("le nom est trop long");
    default:
        return qt_error_string(error);
    }
}
} // namespace FileProblem
