#include "questions/comment_dialog.h"

#include "core/cell_text.h"
#include "platform/platform.h"
#include "widgets/dialog_parts.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

CommentDialog::CommentDialog(const QString &comment, QWidget *parent)
    : QuestionDialog({QStringLiteral("Entrez un commentaire pour votre chronométrage."), QStringLiteral("Annuler"),
                      QStringLiteral("Continuer"), IconCanvas::Icon::Note, 0},
                     parent,
                     {"fenetre_answer", QStringLiteral("Commentaire"), Qt::Dialog, QSize(325, 177),
                      QRect(68, 11, 238, 57), QRect(64, 144, 119, 20), QRect(193, 144, 119, 20)})
{
    field_ = DialogParts::placed(new QPlainTextEdit(CellText::lineFeeds(comment), this), "EditField1",
                                 QRect(13, 59, 298, 77));
    field_->setFont(DialogParts::system12());
    field_->setTabChangesFocus(true);
    field_->setAccessibleName(QStringLiteral("Réponse"));
    field_->stackUnder(findChild<QWidget *>(QStringLiteral("Canvas1"))); // below the question, which overlaps it
    field_->setFocus();
}

std::optional<QString> CommentDialog::ask(Platform &platform, QWidget *parent, const QString &comment)
{
    CommentDialog dialog(comment, parent);
    if (Answer(platform.execModal(dialog)) != Answer::Second)
        return std::nullopt;
    return dialog.field_->toPlainText();
}

void CommentDialog::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
        done(int(Answer::Second));
        return;
    }
    QuestionDialog::keyPressEvent(event);
}
