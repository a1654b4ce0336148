#pragma once

#include <QDialog>
#include <QPixmap>

class QTimer;

// The welcome and about window: a picture with the version on it. As the
// welcome, it goes by itself after two steps of its timer; shown from the
// menu, it stays until clicked or Escape.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow();
    // The welcome of start-up: the keyboard stays with the main window.
    void welcome();

signals:
    // The welcome of start-up is over.
    void welcomeEnded();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap picture_;
    QTimer *steps_;
    int stepsLeft_ = 0;
};
