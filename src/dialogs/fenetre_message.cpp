#include "dialogs/fenetre_message.h"

#include "widgets/dialog_parts.h"
#include "widgets/icon_canvas.h"

#include <QLabel>
#include <QPushButton>

using DialogParts::placed;

fenetre_message::fenetre_message() : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("fenetre_message"));
    setWindowTitle(kTitle);
    setFixedSize(346, 195);
    setModal(true);
    Canvas1 = placed(new IconCanvas(this), "Canvas1", QRect(13, 11, 45, 41));
    StaticText1 = placed(new QLabel(QStringLiteral("Label:"), this), "StaticText1", QRect(68, 11, 265, 114));
    StaticText1->setFont(DialogParts::helvetica12());
    StaticText1->setWordWrap(true);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PushButton1 = placed(new QPushButton(this), "PushButton1", QRect(76, 143, 125, 20));
    PushButton2 = placed(new QPushButton(this), "PushButton2", QRect(220, 143, 113, 20));
    for (QPushButton *button : {PushButton1, PushButton2})
        button->setFont(DialogParts::helvetica12());
    connect(PushButton1, &QPushButton::clicked, this, &fenetre_message::PushButton1_Action);
    connect(PushButton2, &QPushButton::clicked, this, &fenetre_message::PushButton2_Action);
}

void fenetre_message::PushButton1_Action()
{
    OK = false;
    answer = Answer::First;
    hide();
}

void fenetre_message::PushButton2_Action()
{
    OK = true;
    answer = Answer::Second;
    hide();
}

void fenetre_message::reject()
{
    answer = Answer::Cancelled;
    hide();
}
