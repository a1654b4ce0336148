#pragma once

#include <QString>

// The program's questions: fill a dialog, show it modally, and leave the
// outcome in its OK property.
namespace Fonctions_fenetres_divreses {
QString Type_answer(const QString &texte, const QString &reponse_defaut, const QString &bouton1, const QString &bouton2,
                    const QString &titre, int icone, int bouton_defaut);
void type_message(const QString &texte, const QString &bouton1, const QString &bouton2, const QString &titre, int icone,
                  int bouton_defaut);
} // namespace Fonctions_fenetres_divreses
