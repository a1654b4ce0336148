#include "timing/alert_window.h"

#include "widgets/dialog_parts.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

using DialogParts::helvetica12;

namespace {
// The laid-out message, and the margins around it and the button below it.
constexpr int kTextLeft = 20, kTextTop = 14, kTextWidth = 341, kTextHeight = 40;
constexpr int kRight = 23, kBelowText = 19, kButtonHeight = 20, kBottom = 18;
constexpr int kButtonWidth = 69, kButtonRight = 21;
} // namespace

AlertWindow::AlertWindow()
    : QDialog(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("alerte_vel"));
    setWindowTitle(QStringLiteral("Fin du timer"));
    setFixedSize(384, 111);
    // Shown without taking the keyboard from whatever the user is typing in.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Its own white, and text that goes with it under any palette.
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("StaticText1"));
    message_->setGeometry(kTextLeft, kTextTop, kTextWidth, kTextHeight);
    message_->setFont(helvetica12());
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText); // the user's message, whatever it holds
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("PushButton1"));
    okButton_->setGeometry(294, 73, kButtonWidth, kButtonHeight);
    okButton_->setFont(helvetica12());
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QWidget::hide);
}

void AlertWindow::showMessage(const QString &message, const QSize &room)
{
    message_->setText(message);
    const QFontMetrics metrics(message_->font());
    int longestWord = 0;
    for (const QString &word : message.split(QRegularExpression(QStringLiteral("\\s+"))))
        longestWord = std::max(longestWord, metrics.horizontalAdvance(word));
    const int around = kTextLeft + kRight, below = kTextTop + kBelowText + kButtonHeight + kBottom;
    const int width = std::max(kTextWidth, std::min(longestWord, room.width() - around));
    const int height =
        std::clamp(message_->heightForWidth(width), kTextHeight, std::max(kTextHeight, room.height() - below));
    setFixedSize(width + around, height + below);
    message_->setGeometry(kTextLeft, kTextTop, width, height);
    okButton_->move(width + around - kButtonRight - kButtonWidth, kTextTop + height + kBelowText);
    show();
}
