#pragma once

#include <QWidget>

class QToolButton;

// A small pair of up and down arrows that repeat while held down; each step
// is reported once.
class LittleArrows : public QWidget {
    Q_OBJECT
public:
    explicit LittleArrows(QWidget *parent = nullptr);
    QToolButton *upButton() const { return up_; }
    QToolButton *downButton() const { return down_; }

signals:
    void up();
    void down();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *up_;
    QToolButton *down_;
};
