#include "widgets/little_arrows.h"

#include <QToolButton>

namespace {
QToolButton *arrowButton(QWidget *parent, Qt::ArrowType arrow, const QString &name)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(400);
    button->setAutoRepeatInterval(80);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(7, 7));
    button->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; }"));
    return button;
}
} // namespace

LittleArrows::LittleArrows(QWidget *parent)
    : QWidget(parent), up_(arrowButton(this, Qt::UpArrow, QStringLiteral("up"))),
      down_(arrowButton(this, Qt::DownArrow, QStringLiteral("down")))
{
    up_->setAccessibleName(QStringLiteral("Augmenter le timer"));
    down_->setAccessibleName(QStringLiteral("Diminuer le timer"));
    connect(up_, &QToolButton::clicked, this, &LittleArrows::up);
    connect(down_, &QToolButton::clicked, this, &LittleArrows::down);
}

void LittleArrows::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
