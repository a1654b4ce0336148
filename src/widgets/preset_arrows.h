#pragma once

#include <QWidget>

class QToolButton;

// A small pair of up and down arrows that repeat while held down; each step
// is reported once. Tab reaches them, and then the keys step the preset too.
class PresetArrows : public QWidget {
    Q_OBJECT
public:
    explicit PresetArrows(QWidget *parent = nullptr);
    QToolButton *upButton() const { return up_; }
    QToolButton *downButton() const { return down_; }

signals:
    void up();
    void down();
    // A key's signed step, in seconds.
    void stepped(qint64 seconds);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QToolButton *up_;
    QToolButton *down_;
};
