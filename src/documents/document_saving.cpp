#include "documents/document_saving.h"

#include "core/saved_list.h"
#include "core/variables_globales.h"
#include "dialogs/fonctions_fenetres_divreses.h"
#include "documents/list_journal.h"
#include "main_window/window1.h"
#include "platform/file_types.h"
#include "platform/platform.h"
#include "platform/whole_file.h"

#include <QDir>

namespace DocumentSaving {
QString suggestedName()
{
    const int number = Variables_globales.no_sauvetage;
    return number == 1 ? QStringLiteral("Document VelTiming")
                       : QStringLiteral("Document VelTiming ") + QString::number(number);
}

Reply askComment(const QString &defaultComment)
{
    return Fonctions_fenetres_divreses::Type_answer(QStringLiteral("Entrez un commentaire pour votre chronométrage."),
                                                    defaultComment, QStringLiteral("Annuler"),
                                                    QStringLiteral("Continuer"), QString(), 1, 0);
}

Outcome run(const QDateTime &moment, const QString &defaultComment, bool countThisSave)
{
    // The rows as they stand now; a countdown may add more while the
    // questions wait.
    const LapRows rows = Window1::instance().laps().rows();
    const Reply reply = askComment(defaultComment);
    if (reply.answer != Answer::Second)
        return Outcome::Cancelled;
    const QString path = Platform::get().saveFileName(FileTypes::pText, suggestedName());
    if (path.isEmpty())
        return Outcome::Cancelled;
    if (countThisSave)
        ++Variables_globales.no_sauvetage;
    const QByteArray document = SavedList::write(SavedList::headerLine(moment), reply.text, rows);
    if (!writeFile(path, document))
        return Outcome::Failed;
    if (ListJournal *journal = ListJournal::current())
        journal->discard();
    return Outcome::Written;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    const QString problem = WholeFile::write(path, bytes);
    if (problem.isEmpty())
        return true;
    Platform::get().messageBox(QStringLiteral("Impossible d'enregistrer la liste dans « %1 » : %2")
                                   .arg(QDir::toNativeSeparators(path), problem));
    return false;
}

namespace {
// Far beyond any real timing; keeps a wrong choice of file from eating memory.
constexpr qint64 kLargestDocument = 256LL * 1024 * 1024;
} // namespace

std::optional<QByteArray> readFile(const QString &path, QString &problem)
{
    return WholeFile::read(path, kLargestDocument, problem);
}
} // namespace DocumentSaving
