#pragma once

#include <QWidget>

// Draws the platform's note (1), stop (2) or caution (any other code) icon at
// its top-left corner.
class IconCanvas : public QWidget {
public:
    explicit IconCanvas(QWidget *parent = nullptr, int iconCode = 1);
    void setIconCode(int code);
    int iconCode() const { return code_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int code_;
};
