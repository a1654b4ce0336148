#include "shell/bienvenue.h"

#include "core/text_number.h"
#include "main_window/window1.h"
#include "shell/welcome_picture.h"
#include "widgets/dialog_parts.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

using DialogParts::placed;

// A splash: no title bar, and at start-up the keyboard stays with the main
// window, so what the user types goes to the comment.
Bienvenue::Bienvenue() : QDialog(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Bienvenue"));
    setWindowTitle(QStringLiteral("À propos"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(478, 349);
    setAccessibleName(QStringLiteral("À propos de Vel Timing"));

    StaticText2 = placed(new QLabel(QStringLiteral("Version 1.3\nChronomètre et Timer"), this), "StaticText2",
                         QRect(13, 159, 156, 62));
    StaticText2->setFont(DialogParts::helvetica12());
    StaticText2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = StaticText2->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 210, 51));
    StaticText2->setPalette(palette);
    // The picture is the window's background, whatever the desktop's palette.
    palette = this->palette();
    palette.setColor(QPalette::Window, WelcomePicture::sky());
    setPalette(palette);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(700);
    connect(Timer1, &QTimer::timeout, this, &Bienvenue::Timer1_Action);

    // Lies below the content area: it only keeps the count.
    Temporise = placed(new QLabel(this), "Temporise", QRect(175, 358, 100, 20));
    Temporise->setFont(DialogParts::system12());
    Temporise->setAccessibleName(QStringLiteral("Décompte"));

    Open();
    Timer1->start();
}

void Bienvenue::Open()
{
    Temporise->setText(QStringLiteral("2"));
}

void Bienvenue::Timer1_Action()
{
    const int steps = TextNumber::wholeValue(Temporise->text()) - 1;
    if (steps >= 1) {
        Temporise->setText(QString::number(steps));
        return;
    }
    Timer1->stop();
    hide();
    Window1 &w = Window1::instance();
    w.raise();
    w.activateWindow();
    emit welcomeEnded();
}

bool Bienvenue::MouseDown(const QPoint &position)
{
    Q_UNUSED(position);
    hide();
    return false;
}

void Bienvenue::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter(this).drawPixmap(0, 0, WelcomePicture::VelTiming1());
}

void Bienvenue::mousePressEvent(QMouseEvent *event)
{
    MouseDown(event->position().toPoint());
}
