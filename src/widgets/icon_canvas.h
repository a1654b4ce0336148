#pragma once

#include <QWidget>

// Draws the platform's icon for a kind of message at its top-left corner.
class IconCanvas : public QWidget {
public:
    enum class Icon { Note, Stop, Caution };
    explicit IconCanvas(QWidget *parent = nullptr, Icon icon = Icon::Note);
    void setIcon(Icon icon);
    Icon icon() const { return icon_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Icon icon_;
};
