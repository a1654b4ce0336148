#include "dialogs/fenetre_answer.h"

#include "core/variables_globales.h"
#include "widgets/dialog_parts.h"
#include "widgets/icon_canvas.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

fenetre_answer::fenetre_answer()
    : QuestionDialog(QStringLiteral("Commentaire"), Qt::Dialog, QRect(68, 11, 238, 57), QRect(64, 144, 119, 20),
                     QRect(193, 144, 119, 20))
{
    setObjectName(QStringLiteral("fenetre_answer"));
    setFixedSize(325, 177);
    EditField1 = DialogParts::placed(new QPlainTextEdit(this), "EditField1", QRect(13, 59, 298, 77));
    EditField1->setFont(DialogParts::system12());
    EditField1->setTabChangesFocus(true);
    EditField1->setAccessibleName(QStringLiteral("Réponse"));
    EditField1->stackUnder(Canvas1); // below the question's text, which overlaps its top
}

void fenetre_answer::confirm()
{
    Variables_globales.Commentaire_encours = EditField1->toPlainText();
    emit answered();
}

void fenetre_answer::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
        PushButton2->click();
        return;
    }
    QuestionDialog::keyPressEvent(event);
}
