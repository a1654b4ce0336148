#pragma once

#include "questions/answer.h"
#include "widgets/icon_canvas.h"
#include "widgets/return_key_dialog.h"

class Platform;
class QLabel;
class QPushButton;

// What a question asks.
struct Question {
    QString text;   // carriage returns break its lines
    QString first;  // the left button
    QString second; // the right button
    IconCanvas::Icon icon = IconCanvas::Icon::Caution;
    int defaultButton = 0; // 1 the first, 2 the second, 0 neither
};

// One of the program's questions: an icon, a text and two buttons, answered
// modally. Escape and the close box press neither button.
class QuestionDialog : public ReturnKeyDialog {
    Q_OBJECT
public:
    QuestionDialog(const Question &question, QWidget *parent);
    static Answer ask(Platform &platform, QWidget *parent, const Question &question);

protected:
    struct Layout {
        const char *name;
        QString title;
        Qt::WindowFlags flags;
        QSize size;
        QRect text, first, second;
    };
    QuestionDialog(const Question &question, QWidget *parent, const Layout &layout);

private:
    IconCanvas *icon_;
    QLabel *text_;
    QPushButton *first_;
    QPushButton *second_;
};
