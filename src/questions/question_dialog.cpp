#include "questions/question_dialog.h"

#include "core/cell_text.h"
#include "platform/platform.h"
#include "widgets/dialog_parts.h"

#include <QLabel>
#include <QPushButton>

using DialogParts::placed;

QuestionDialog::QuestionDialog(const Question &question, QWidget *parent)
    : QuestionDialog(question, parent,
                     {"fenetre_message", QStringLiteral("Question"),
                      Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint, QSize(346, 195),
                      QRect(68, 11, 265, 114), QRect(76, 143, 125, 20), QRect(220, 143, 113, 20)})
{
}

QuestionDialog::QuestionDialog(const Question &question, QWidget *parent, const Layout &layout)
    : ReturnKeyDialog(parent, layout.flags)
{
    setObjectName(QLatin1String(layout.name));
    setWindowTitle(layout.title);
    setModal(true);
    setFixedSize(layout.size);
    icon_ = placed(new IconCanvas(this, question.icon), "Canvas1", QRect(13, 11, 45, 41));
    text_ = placed(new QLabel(CellText::lineFeeds(question.text), this), "StaticText1", layout.text);
    text_->setFont(DialogParts::helvetica12());
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    first_ = placed(new QPushButton(question.first, this), "PushButton1", layout.first);
    second_ = placed(new QPushButton(question.second, this), "PushButton2", layout.second);
    for (QPushButton *button : {first_, second_})
        button->setFont(DialogParts::helvetica12());
    DialogParts::chooseDefault(first_, second_, question.defaultButton);
    connect(first_, &QPushButton::clicked, this, [this] { done(int(Answer::First)); });
    connect(second_, &QPushButton::clicked, this, [this] { done(int(Answer::Second)); });
}

Answer QuestionDialog::ask(Platform &platform, QWidget *parent, const Question &question)
{
    QuestionDialog dialog(question, parent);
    return Answer(platform.execModal(dialog));
}
