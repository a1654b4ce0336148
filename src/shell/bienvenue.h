#pragma once

#include "widgets/single_instance.h"

#include <QDialog>

class QLabel;
class QTimer;

// The welcome and about window: a picture with the version on it. At start-up
// it hides itself after two steps of its timer and brings the main window to
// the front; shown again from the menu, it stays until clicked or Escape.
class Bienvenue : public QDialog, public SingleInstance<Bienvenue> {
    Q_OBJECT
public:
    Bienvenue();

    QLabel *StaticText2;
    QTimer *Timer1;
    QLabel *Temporise;

    void Open();
    void Timer1_Action();
    bool MouseDown(const QPoint &position);

signals:
    // The start-up welcome is over and the main window in front.
    void welcomeEnded();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
