#include "main_window/demande_message_timer.h"

#include "core/variables_globales.h"
#include "widgets/icon_canvas.h"

#include "widgets/clean_field.h"
#include "widgets/dialog_parts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using DialogParts::helvetica12;

Demande_message_timer::Demande_message_timer() : ReturnKeyDialog(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("Demande_message_timer"));
    setWindowTitle(QStringLiteral("Message d'alerte"));
    setFixedSize(406, 151);
    // The close box ends this instance; the next use makes a fresh one that
    // takes the current message again.
    setAttribute(Qt::WA_DeleteOnClose);

    StaticText1 =
        new QLabel(QStringLiteral("Entrez le message qui vous alertera lorsque le temps du Timer sera écoulé."), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(68, 5, 325, 41);
    StaticText1->setFont(helvetica12());
    StaticText1->setWordWrap(true);

    PushButton1 = new QPushButton(QStringLiteral("OK"), this);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setGeometry(293, 87, 80, 20);
    PushButton1->setFont(helvetica12());
    PushButton1->setDefault(true);

    PushButton2 = new QPushButton(QStringLiteral("Annuler"), this);
    PushButton2->setObjectName(QStringLiteral("PushButton2"));
    PushButton2->setGeometry(185, 87, 83, 20);
    PushButton2->setFont(helvetica12());
    PushButton2->setAutoDefault(false);

    EditField1 = new QLineEdit(this);
    EditField1->setObjectName(QStringLiteral("EditField1"));
    EditField1->setGeometry(13, 51, 360, 22);
    EditField1->setFont(helvetica12());
    EditField1->setAccessibleName(QStringLiteral("Message d'alerte"));
    CleanField::fitRecord(EditField1);

    Canvas1 = new IconCanvas(this, 1);
    Canvas1->setObjectName(QStringLiteral("Canvas1"));
    Canvas1->setGeometry(13, 5, 45, 41);

    setTabOrder(EditField1, PushButton2);
    setTabOrder(PushButton2, PushButton1);

    connect(PushButton1, &QPushButton::clicked, this, &Demande_message_timer::PushButton1_Action);
    connect(PushButton2, &QPushButton::clicked, this, &Demande_message_timer::PushButton2_Action);
    Open();
}

void Demande_message_timer::Open()
{
    EditField1->setText(Variables_globales.pref_texte_timer);
    EditField1->selectAll();
}

void Demande_message_timer::PushButton1_Action()
{
    Variables_globales.pref_texte_timer = EditField1->text();
    hide();
    emit messageChosen();
}

void Demande_message_timer::PushButton2_Action()
{
    hide();
}

void Demande_message_timer::showEvent(QShowEvent *event)
{
    // Typing replaces the message: the field, not OK, has the keyboard.
    EditField1->selectAll();
    EditField1->setFocus();
    QDialog::showEvent(event);
}

void Demande_message_timer::reject()
{
    PushButton2_Action();
}
