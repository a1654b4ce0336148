#include "documents/document_saving.h"

#include "documents/saved_list.h"
#include "engine/fenetre_answer.h"
#include "engine/fonctions_fenetres_divreses.h"
#include "engine/list_box.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "platform/file_types.h"
#include "platform/platform.h"

#include <QDir>
#include <QSaveFile>

namespace DocumentSaving {
QString suggestedName()
{
    const int number = Variables_globales.no_sauvetage;
    return number == 1 ? QStringLiteral("Document VelTiming")
                       : QStringLiteral("Document VelTiming ") + QString::number(number);
}

Outcome run(const QDateTime &moment, const QString &defaultComment, bool countThisSave)
{
    ListBox *list = Window1::instance().ListBox1;
    const int rowCount = list->rowCount();
    const QString comment = Fonctions_fenetres_divreses::Type_answer(
        QStringLiteral("Entrez un commentaire pour votre chronométrage."), defaultComment, QStringLiteral("Annuler"),
        QStringLiteral("Continuer"), QString(), 1, 0);
    if (!fenetre_answer::instance().OK)
        return Outcome::Cancelled;
    const QString path = Platform::get().saveFileName(FileTypes::pText, suggestedName());
    if (path.isEmpty())
        return Outcome::Cancelled;
    if (countThisSave)
        ++Variables_globales.no_sauvetage;
    const QByteArray document = SavedList::write(SavedList::headerLine(moment), comment, list->rows(rowCount));
    return writeFile(path, document) ? Outcome::Written : Outcome::Failed;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    Platform::get().messageBox(QStringLiteral("Impossible d'enregistrer la liste dans « %1 » : %2")
                                   .arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}
} // namespace DocumentSaving
