#pragma once

#include <QString>

class QWidget;

// A control and the help tag it shows while help tags are switched on.
struct HelpTag {
    QWidget *control;
    QString text;
};
