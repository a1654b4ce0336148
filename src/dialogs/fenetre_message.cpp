#include "dialogs/fenetre_message.h"

fenetre_message::fenetre_message()
    : QuestionDialog(QStringLiteral("Question"), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint,
                     QRect(68, 11, 265, 114), QRect(76, 143, 125, 20), QRect(220, 143, 113, 20))
{
    setObjectName(QStringLiteral("fenetre_message"));
    setFixedSize(346, 195);
}
