#pragma once

#include "dialogs/question_dialog.h"
#include "widgets/single_instance.h"

// The program's two-button message.
class fenetre_message : public QuestionDialog, public SingleInstance<fenetre_message> {
    Q_OBJECT
public:
    fenetre_message();
};
