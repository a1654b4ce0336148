#pragma once

#include "dialogs/answer.h"

// The program's questions: fill a dialog, show it modally, and return how it
// was answered (also left in the dialog's OK property when a button closed it).
namespace Fonctions_fenetres_divreses {
// The reply's text is the answer field's after the second button, else empty.
Reply Type_answer(const QString &texte, const QString &reponse_defaut, const QString &bouton1, const QString &bouton2,
                  const QString &titre, int icone, int bouton_defaut);
Answer type_message(const QString &texte, const QString &bouton1, const QString &bouton2, const QString &titre,
                    int icone, int bouton_defaut);
} // namespace Fonctions_fenetres_divreses
