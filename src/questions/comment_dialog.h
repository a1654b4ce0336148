#pragma once

#include "questions/question_dialog.h"

#include <optional>

class QPlainTextEdit;

// Asks for the timing's comment before the list is saved or printed,
// starting from the comment it has.
class CommentDialog : public QuestionDialog {
    Q_OBJECT
public:
    CommentDialog(const QString &comment, QWidget *parent);
    // The comment after "Continuer", even empty; nothing after "Annuler" or Escape.
    static std::optional<QString> ask(Platform &platform, QWidget *parent, const QString &comment);

protected:
    // Return starts a new line in the comment; Ctrl+Return presses "Continuer".
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPlainTextEdit *field_;
};
