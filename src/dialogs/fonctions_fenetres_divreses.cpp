#include "dialogs/fonctions_fenetres_divreses.h"

#include "core/cell_text.h"

#include "dialogs/fenetre_answer.h"
#include "dialogs/fenetre_message.h"
#include "platform/platform.h"
#include "widgets/dialog_parts.h"
#include "widgets/icon_canvas.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// What both dialogs set up before they are shown. A dialog that ends another
// way than by a button (Escape, the close box, the program ending while it
// waits) is answered with neither.
template <class Dialog>
void prepare(Dialog &dialog, const QString &texte, const QString &bouton1, const QString &bouton2, const QString &titre,
             int icone, int bouton_defaut)
{
    dialog.StaticText1->setText(CellText::lineFeeds(texte)); // carriage returns break lines
    dialog.PushButton1->setText(bouton1);
    dialog.PushButton2->setText(bouton2);
    dialog.setWindowTitle(titre.isEmpty() ? Dialog::kTitle : titre);
    dialog.icone_fenetre = icone;
    dialog.Canvas1->setIconCode(icone);
    DialogParts::chooseDefault(dialog.PushButton1, dialog.PushButton2, bouton_defaut);
    dialog.answer = Answer::Cancelled;
}
} // namespace

namespace Fonctions_fenetres_divreses {
Reply Type_answer(const QString &texte, const QString &reponse_defaut, const QString &bouton1, const QString &bouton2,
                  const QString &titre, int icone, int bouton_defaut)
{
    fenetre_answer &dialog = fenetre_answer::instance();
    prepare(dialog, texte, bouton1, bouton2, titre, icone, bouton_defaut);
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
    prepare(dialog, texte, bouton1, bouton2, titre, icone, bouton_defaut);
    Platform::get().execModal(dialog);
    return dialog.answer;
}
} // namespace Fonctions_fenetres_divreses
