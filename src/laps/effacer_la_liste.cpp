#include "laps/effacer_la_liste.h"

#include "engine/fonctions_fenetres_divreses.h"
#include "engine/list_box.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "platform/platform.h"

namespace Methodes {
void Effacer_la_liste()
{
    ListBox *list = Window1::instance().ListBox1;
    if (list->rowCount() == 0) {
        Platform::get().messageBox(QStringLiteral("La liste est déjà vide!"));
        return;
    }
    // Only the first button clears; Escape keeps the list as "Annuler" does.
    if (Fonctions_fenetres_divreses::type_message(QStringLiteral("Vraiment effacer la liste?"),
                                                  QStringLiteral("Effacer la liste"), QStringLiteral("Annuler"),
                                                  QString(), 3, 2) == Answer::First) {
        list->deleteAllRows();
        Variables_globales.no_de_chrono = 1;
    }
}
} // namespace Methodes
