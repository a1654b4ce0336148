#include "dialogs/fenetre_answer.h"

#include "core/variables_globales.h"
#include "widgets/clean_field.h"
#include "widgets/dialog_parts.h"
#include "widgets/icon_canvas.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using DialogParts::placed;

fenetre_answer::fenetre_answer() : QDialog(nullptr, Qt::Dialog)
{
    setObjectName(QStringLiteral("fenetre_answer"));
    setWindowTitle(kTitle);
    setFixedSize(325, 177);
    setModal(true);
    EditField1 = placed(new QPlainTextEdit(this), "EditField1", QRect(13, 59, 298, 77));
    EditField1->setFont(DialogParts::system12());
    EditField1->setTabChangesFocus(true);
    EditField1->setAccessibleName(QStringLiteral("Réponse"));
    StaticText1 = placed(new QLabel(QStringLiteral("Label:"), this), "StaticText1", QRect(68, 11, 238, 57));
    StaticText1->setFont(DialogParts::helvetica12());
    StaticText1->setWordWrap(true);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PushButton1 = placed(new QPushButton(this), "PushButton1", QRect(64, 144, 119, 20));
    PushButton2 = placed(new QPushButton(this), "PushButton2", QRect(193, 144, 119, 20));
    for (QPushButton *button : {PushButton1, PushButton2})
        button->setFont(DialogParts::helvetica12());
    Canvas1 = placed(new IconCanvas(this), "Canvas1", QRect(13, 11, 45, 41));
    connect(PushButton1, &QPushButton::clicked, this, &fenetre_answer::PushButton1_Action);
    connect(PushButton2, &QPushButton::clicked, this, &fenetre_answer::PushButton2_Action);
}

void fenetre_answer::PushButton1_Action()
{
    OK = false;
    answer = Answer::First;
    hide();
}

void fenetre_answer::PushButton2_Action()
{
    Variables_globales.Commentaire_encours = EditField1->toPlainText();
    OK = true;
    answer = Answer::Second;
    hide();
    emit answered();
}

void fenetre_answer::reject()
{
    answer = Answer::Cancelled;
    hide();
}
