#pragma once

#include <QDialog>

// A dialog in which Return presses the button that has the keyboard, as a
// desktop user expects, and otherwise the default button, if there is one.
class ReturnKeyDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
