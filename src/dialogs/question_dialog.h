#pragma once

#include "dialogs/answer.h"

#include "widgets/return_key_dialog.h"

class QLabel;
class QPushButton;
class IconCanvas;

// What the program's two question dialogs share: an icon, a text and two
// buttons. OK tells which button last closed it (false: the left one, true:
// the right one), answer how it last closed.
class QuestionDialog : public ReturnKeyDialog {
    Q_OBJECT
public:
    IconCanvas *Canvas1;
    QLabel *StaticText1;
    QPushButton *PushButton1;
    QPushButton *PushButton2;

    bool OK = false;
    int icone_fenetre = 0;
    Answer answer = Answer::Cancelled;

    // Sets the question up before it is shown; an empty title gives the
    // dialog's own. Until a button closes it, it is answered with neither.
    void prepare(const QString &texte, const QString &bouton1, const QString &bouton2, const QString &titre, int icone,
                 int bouton_defaut);

    void PushButton1_Action();
    void PushButton2_Action();
    // Escape and the close box press neither button.
    void reject() override;

protected:
    QuestionDialog(const QString &title, Qt::WindowFlags flags, QRect text, QRect first, QRect second);
    // The second button confirmed the question; the dialog is still shown.
    virtual void confirm() {}

private:
    QString title_;
};
