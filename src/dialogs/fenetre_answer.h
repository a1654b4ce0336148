#pragma once

#include "dialogs/answer.h"
#include "widgets/single_instance.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class IconCanvas;

// The program's two-button question dialog with an answer field; OK tells
// which button last closed it (false: the left one, true: the right one),
// answer how it last closed.
class fenetre_answer : public QDialog, public SingleInstance<fenetre_answer> {
    Q_OBJECT
public:
    fenetre_answer();

    QPlainTextEdit *EditField1;
    QLabel *StaticText1;
    QPushButton *PushButton1;
    QPushButton *PushButton2;
    IconCanvas *Canvas1;

    // The title when the caller gives none.
    static inline const QString kTitle = QStringLiteral("Commentaire");

    bool OK = false;
    int icone_fenetre = 0;
    Answer answer = Answer::Cancelled;

    void PushButton1_Action();
    void PushButton2_Action();
    // Escape and the close box press neither button.
    void reject() override;

signals:
    // The answer was confirmed and became the current comment.
    void answered();
};
