#pragma once

#include <QColor>
#include <QObject>

class QWidget;

// Text in a colour of its own keeps a background that goes with it: the
// window's under a light palette, a light one of its own under a dark
// palette, where the colour would not stand out. Follows the desktop's
// palette when it changes.
class OwnColour : public QObject {
public:
    static void give(QWidget *widget, const QColor &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OwnColour(QWidget *widget, const QColor &text);
    void apply();

    QWidget *widget_;
    QColor text_;
    bool filled_; // fills its background whatever the palette
};
