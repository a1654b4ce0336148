#include "dialogs/fonctions_fenetres_divreses.h"

#include "dialogs/fenetre_answer.h"
#include "dialogs/fenetre_message.h"
#include "platform/platform.h"

#include <QPlainTextEdit>

namespace Fonctions_fenetres_divreses {
Reply Type_answer(const QString &texte, const QString &reponse_defaut, const QString &bouton1, const QString &bouton2,
                  const QString &titre, int icone, int bouton_defaut)
{
    fenetre_answer &dialog = fenetre_answer::instance();
    dialog.prepare(texte, bouton1, bouton2, titre, icone, bouton_defaut);
    dialog.EditField1->setPlainText(reponse_defaut);
    dialog.EditField1->setFocus();
    Platform::get().execModal(dialog);
    if (dialog.answer != Answer::Second)
        return {dialog.answer, QString()};
    return {Answer::Second, dialog.EditField1->toPlainText()};
}

Answer type_message(const QString &texte, const QString &bouton1, const QString &bouton2, const QString &titre,
                    int icone, int bouton_defaut)
{
    fenetre_message &dialog = fenetre_message::instance();
    dialog.prepare(texte, bouton1, bouton2, titre, icone, bouton_defaut);
    Platform::get().execModal(dialog);
    return dialog.answer;
}
} // namespace Fonctions_fenetres_divreses
