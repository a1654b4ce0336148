#include "widgets/preset_arrows.h"

#include "core/timer_preset.h"

#include <QKeyEvent>
#include <QPainter>
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

PresetArrows::PresetArrows(QWidget *parent)
    : QWidget(parent), up_(arrowButton(this, Qt::UpArrow, QStringLiteral("up"))),
      down_(arrowButton(this, Qt::DownArrow, QStringLiteral("down")))
{
    up_->setAccessibleName(QStringLiteral("Augmenter le timer"));
    down_->setAccessibleName(QStringLiteral("Diminuer le timer"));
    connect(up_, &QToolButton::clicked, this, &PresetArrows::up);
    connect(down_, &QToolButton::clicked, this, &PresetArrows::down);
    // Clicks leave the keyboard where it was, in the comment.
    setFocusPolicy(Qt::TabFocus);
}

void PresetArrows::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A pixel all round for the focus frame.
    const int half = height() / 2;
    up_->setGeometry(1, 1, width() - 2, half - 1);
    down_->setGeometry(1, half, width() - 2, height() - half - 1);
}

void PresetArrows::keyPressEvent(QKeyEvent *event)
{
    if (const qint64 step = TimerPreset::keyStep(event->key(), event->modifiers()))
        emit stepped(step);
    else
        QWidget::keyPressEvent(event);
}

void PresetArrows::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (hasFocus())
        QPainter(this).fillRect(rect(), palette().color(QPalette::Highlight));
}
