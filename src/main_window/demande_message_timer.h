#pragma once

#include "widgets/single_instance.h"

#include "widgets/return_key_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class IconCanvas;

// Asks, while a countdown already runs, for the message its end will show.
class Demande_message_timer : public ReturnKeyDialog, public SingleInstance<Demande_message_timer> {
    Q_OBJECT
public:
    Demande_message_timer();

    QLabel *StaticText1;
    QPushButton *PushButton1;
    QPushButton *PushButton2;
    QLineEdit *EditField1;
    IconCanvas *Canvas1;

    void Open();
    void PushButton1_Action();
    void PushButton2_Action();

signals:
    // OK made the field's text the alert's message.
    void messageChosen();

protected:
    void showEvent(QShowEvent *event) override;
    // Escape answers as "Annuler": the message stays as it was.
    void reject() override;
};
