#include "main_window/alerte_vel.h"

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

alerte_vel::alerte_vel()
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

    StaticText1 = new QLabel(QStringLiteral("Label:#pref_texte_timer"), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(20, 14, 341, 40);
    StaticText1->setFont(helvetica12());
    StaticText1->setWordWrap(true);
    StaticText1->setTextFormat(Qt::PlainText); // the user's message, whatever it holds
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    PushButton1 = new QPushButton(QStringLiteral("OK"), this);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setGeometry(294, 73, 69, 20);
    PushButton1->setFont(helvetica12());
    PushButton1->setDefault(true);
    connect(PushButton1, &QPushButton::clicked, this, &alerte_vel::PushButton1_Action);
}

void alerte_vel::showMessage(const QString &message, const QSize &room)
{
    StaticText1->setText(message);
    const QFontMetrics metrics(StaticText1->font());
    int longestWord = 0;
    for (const QString &word : message.split(QRegularExpression(QStringLiteral("\\s+"))))
        longestWord = std::max(longestWord, metrics.horizontalAdvance(word));
    const int around = kTextLeft + kRight, below = kTextTop + kBelowText + kButtonHeight + kBottom;
    const int width = std::max(kTextWidth, std::min(longestWord, room.width() - around));
    const int height =
        std::clamp(StaticText1->heightForWidth(width), kTextHeight, std::max(kTextHeight, room.height() - below));
    setFixedSize(width + around, height + below);
    StaticText1->setGeometry(kTextLeft, kTextTop, width, height);
    PushButton1->move(width + around - kButtonRight - kButtonWidth, kTextTop + height + kBelowText);
    show();
}

void alerte_vel::PushButton1_Action()
{
    hide();
}

void alerte_vel::hideIfCreated()
{
    if (exists())
        instance().hide();
}
