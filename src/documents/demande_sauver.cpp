#include "documents/demande_sauver.h"

#include "documents/document_saving.h"
#include "engine/list_box.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "platform/platform.h"

namespace Methodes {
void Demande_sauver()
{
    Platform &platform = Platform::get();
    const QDateTime moment = platform.now();
    if (Window1::instance().ListBox1->rowCount() == 0) {
        platform.messageBox(QStringLiteral("Il n'y a rien à sauvegarder!"));
        return;
    }
    DocumentSaving::run(moment, Variables_globales.Commentaire_encours, true);
}
} // namespace Methodes
