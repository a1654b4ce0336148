#include "main_window/effacer_la_liste.h"

#include "dialogs/fonctions_fenetres_divreses.h"
#include "main_window/window1.h"
#include "platform/platform.h"

namespace Methodes {
void Effacer_la_liste()
{
    LapList &list = Window1::instance().laps();
    if (list.rowCount() == 0) {
        Platform::get().messageBox(QStringLiteral("La liste est déjà vide!"));
        return;
    }
    // Only the first button clears; Escape keeps the list as "Annuler" does.
    if (Fonctions_fenetres_divreses::type_message(QStringLiteral("Vraiment effacer la liste?"),
                                                  QStringLiteral("Effacer la liste"), QStringLiteral("Annuler"),
                                                  QString(), 3, 2) == Answer::First)
        Window1::instance().history().clearList();
}
} // namespace Methodes
