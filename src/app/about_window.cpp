#include "app/about_window.h"

#include "app/welcome_picture.h"
#include "core/program.h"
#include "widgets/dialog_parts.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

// A splash: no title bar, and at start-up the keyboard stays with the main
// window, so what the user types goes to the comment.
AboutWindow::AboutWindow()
    : QDialog(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(WelcomePicture::draw()),
      steps_(new QTimer(this))
{
    setObjectName(QStringLiteral("Bienvenue"));
    setWindowTitle(QStringLiteral("À propos"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(478, 349);
    setAccessibleName(QStringLiteral("À propos de ") + Program::title());

    auto *version = DialogParts::placed(
        new QLabel(QStringLiteral("Version %1\nChronomètre et Timer").arg(Program::version()), this), "StaticText2",
        QRect(13, 159, 156, 62));
    version->setFont(DialogParts::helvetica12());
    version->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = version->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 210, 51));
    version->setPalette(palette);
    // The picture is the window's background, whatever the desktop's palette.
    palette = this->palette();
    palette.setColor(QPalette::Window, WelcomePicture::sky());
    setPalette(palette);

    steps_->setObjectName(QStringLiteral("Timer1"));
    steps_->setInterval(700);
    connect(steps_, &QTimer::timeout, this, [this] {
        if (--stepsLeft_ >= 1)
            return;
        steps_->stop();
        hide();
        emit welcomeEnded();
    });
}

void AboutWindow::welcome()
{
    stepsLeft_ = 2;
    steps_->start();
    show();
}

void AboutWindow::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, picture_);
}

void AboutWindow::mousePressEvent(QMouseEvent *)
{
    hide();
}
