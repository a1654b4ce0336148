#include "dialogs/question_dialog.h"

#include "core/cell_text.h"

#include "widgets/dialog_parts.h"
#include "widgets/icon_canvas.h"

#include <QLabel>
#include <QPushButton>

using DialogParts::placed;

QuestionDialog::QuestionDialog(const QString &title, Qt::WindowFlags flags, QRect text, QRect first, QRect second)
    : ReturnKeyDialog(nullptr, flags), title_(title)
{
    setModal(true);
    Canvas1 = placed(new IconCanvas(this), "Canvas1", QRect(13, 11, 45, 41));
    StaticText1 = placed(new QLabel(QStringLiteral("Label:"), this), "StaticText1", text);
    StaticText1->setFont(DialogParts::helvetica12());
    StaticText1->setWordWrap(true);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PushButton1 = placed(new QPushButton(this), "PushButton1", first);
    PushButton2 = placed(new QPushButton(this), "PushButton2", second);
    for (QPushButton *button : {PushButton1, PushButton2})
        button->setFont(DialogParts::helvetica12());
    connect(PushButton1, &QPushButton::clicked, this, &QuestionDialog::PushButton1_Action);
    connect(PushButton2, &QPushButton::clicked, this, &QuestionDialog::PushButton2_Action);
}

void QuestionDialog::prepare(const QString &texte, const QString &bouton1, const QString &bouton2, const QString &titre,
                             int icone, int bouton_defaut)
{
    StaticText1->setText(CellText::lineFeeds(texte)); // carriage returns break lines
    PushButton1->setText(bouton1);
    PushButton2->setText(bouton2);
    setWindowTitle(titre.isEmpty() ? title_ : titre);
    icone_fenetre = icone;
    Canvas1->setIconCode(icone);
    DialogParts::chooseDefault(PushButton1, PushButton2, bouton_defaut);
    answer = Answer::Cancelled;
}

void QuestionDialog::PushButton1_Action()
{
    OK = false;
    answer = Answer::First;
    hide();
}

void QuestionDialog::PushButton2_Action()
{
    OK = true;
    answer = Answer::Second;
    confirm();
    hide();
}

void QuestionDialog::reject()
{
    answer = Answer::Cancelled;
    hide();
}
