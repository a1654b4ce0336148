#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The alert that floats above every application's windows when a countdown
// ends, carrying the user's message. It has no parent, so it floats even
// when the main window is minimized.
class AlertWindow : public QDialog {
    Q_OBJECT
public:
    AlertWindow();

    // Shows the message whole: the alert grows from its laid-out size as the
    // message needs, within `room`.
    void showMessage(const QString &message, const QSize &room);

private:
    QLabel *message_;
    QPushButton *okButton_;
};
