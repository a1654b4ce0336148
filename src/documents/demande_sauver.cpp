#include "documents/demande_sauver.h"

#include "core/variables_globales.h"
#include "documents/document_saving.h"
#include "main_window/window1.h"
#include "platform/platform.h"

namespace Methodes {
void Demande_sauver()
{
    Platform &platform = Platform::get();
    const QDateTime moment = platform.now();
    if (Window1::instance().laps().rowCount() == 0) {
        platform.messageBox(QStringLiteral("Il n'y a rien à sauvegarder!"));
        return;
    }
    DocumentSaving::run(moment, Variables_globales.Commentaire_encours, true);
}
} // namespace Methodes
