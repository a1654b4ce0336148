#pragma once

#include "engine/single_instance.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class IconCanvas;

// The program's two-button question dialog with an answer field; OK tells
// which button closed it (false: the left one, true: the right one).
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

    void PushButton1_Action();
    void PushButton2_Action();

signals:
    // The answer was confirmed and became the current comment.
    void answered();
};
