#pragma once

#include "widgets/single_instance.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The alert that floats above every application's windows when a countdown
// ends, carrying the user's message.
class alerte_vel : public QDialog, public SingleInstance<alerte_vel> {
    Q_OBJECT
public:
    alerte_vel();

    QLabel *StaticText1;
    QPushButton *PushButton1;

    void PushButton1_Action();
    // Shows the message whole: the alert grows from its laid-out size as the
    // message needs, within `room`.
    void showMessage(const QString &message, const QSize &room);
    // Hides the alert without creating it when no countdown has ended yet.
    static void hideIfCreated();
};
