#include "timing/alert_message_dialog.h"

#include "widgets/clean_field.h"
#include "widgets/dialog_parts.h"
#include "widgets/icon_canvas.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using DialogParts::helvetica12;
using DialogParts::placed;

AlertMessageDialog::AlertMessageDialog(const QString &message, QWidget *parent) : ReturnKeyDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Demande_message_timer"));
    setWindowTitle(QStringLiteral("Message d'alerte"));
    setFixedSize(406, 151);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *question = placed(
        new QLabel(QStringLiteral("Entrez le message qui vous alertera lorsque le temps du Timer sera écoulé."), this),
        "StaticText1", QRect(68, 5, 325, 41));
    question->setFont(helvetica12());
    question->setWordWrap(true);

    auto *ok = placed(new QPushButton(QStringLiteral("OK"), this), "PushButton1", QRect(293, 87, 80, 20));
    ok->setFont(helvetica12());
    ok->setDefault(true);
    auto *cancel = placed(new QPushButton(QStringLiteral("Annuler"), this), "PushButton2", QRect(185, 87, 83, 20));
    cancel->setFont(helvetica12());
    cancel->setAutoDefault(false);

    field_ = placed(new QLineEdit(message, this), "EditField1", QRect(13, 51, 360, 22));
    field_->setFont(helvetica12());
    field_->setAccessibleName(QStringLiteral("Message d'alerte"));
    CleanField::fitRecord(field_);

    placed(new IconCanvas(this, IconCanvas::Icon::Note), "Canvas1", QRect(13, 5, 45, 41));

    setTabOrder(field_, cancel);
    setTabOrder(cancel, ok);
    connect(ok, &QPushButton::clicked, this, [this] {
        hide();
        emit chosen(field_->text());
    });
    connect(cancel, &QPushButton::clicked, this, &AlertMessageDialog::reject);
}

void AlertMessageDialog::showEvent(QShowEvent *event)
{
    // Typing replaces the message: the field, not OK, has the keyboard.
    field_->selectAll();
    field_->setFocus();
    QDialog::showEvent(event);
}
