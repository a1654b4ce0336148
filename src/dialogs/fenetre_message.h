#pragma once

#include "dialogs/answer.h"
#include "widgets/single_instance.h"

#include <QDialog>

class QLabel;
class QPushButton;
class IconCanvas;

// The program's two-button message dialog; OK tells which button last closed
// it (false: the left one, true: the right one), answer how it last closed.
class fenetre_message : public QDialog, public SingleInstance<fenetre_message> {
    Q_OBJECT
public:
    fenetre_message();

    IconCanvas *Canvas1;
    QLabel *StaticText1;
    QPushButton *PushButton1;
    QPushButton *PushButton2;

    // The title when the caller gives none.
    static inline const QString kTitle = QStringLiteral("Question");

    bool OK = false;
    int icone_fenetre = 0;
    Answer answer = Answer::Cancelled;

    void PushButton1_Action();
    void PushButton2_Action();
    // Escape and the close box press neither button.
    void reject() override;
};
