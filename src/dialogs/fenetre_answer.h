#pragma once

#include "dialogs/question_dialog.h"
#include "widgets/single_instance.h"

class QPlainTextEdit;

// The program's question with an answer field; its second button makes the
// answer the current comment.
class fenetre_answer : public QuestionDialog, public SingleInstance<fenetre_answer> {
    Q_OBJECT
public:
    fenetre_answer();

    QPlainTextEdit *EditField1;

signals:
    // The answer was confirmed and became the current comment.
    void answered();

protected:
    void confirm() override;
    // Return starts a new line in the answer; Ctrl+Return confirms it.
    void keyPressEvent(QKeyEvent *event) override;
};
