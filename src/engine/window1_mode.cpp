// Mode switch and the countdown preset arrows of the main window.
#include "engine/little_arrows.h"
#include "engine/methodes.h"
#include "core/text_number.h"
#include "core/timer_preset.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "platform/platform.h"

#include <QLabel>

void Window1::RadioButton1_Action()
{
    dismissAlert();
    LittleArrows1->setVisible(false);
    Variables_globales.mode_timer = false;
    StaticText2->setText(Methodes::regle_timer(0));
}

void Window1::RadioButton2_Action()
{
    dismissAlert();
    LittleArrows1->setVisible(true);
    Variables_globales.mode_timer = true;
    if (StaticText1->text() != QStringLiteral("0")) {
        const int preset = TextNumber::wholeValue(Preference_vel_Timer->text());
        StaticText1->setText(QString::number(preset));
        StaticText2->setText(Methodes::regle_timer(preset));
    } else {
        const QString fallback = QString::number(TimerPreset::kFallback);
        Preference_vel_Timer->setText(fallback);
        StaticText1->setText(fallback);
        StaticText2->setText(Methodes::regle_timer(TimerPreset::kFallback));
    }
}

void Window1::LittleArrows1_Up()
{
    stepPreset(+1);
}

void Window1::LittleArrows1_Down()
{
    stepPreset(-1);
}

void Window1::stepPreset(int direction)
{
    Platform &platform = Platform::get();
    const Qt::KeyboardModifiers keys = platform.keyboardModifiers();
    qint64 step = 1;
    if (keys.testFlag(Qt::ControlModifier))
        step = 60;
    else if (keys.testFlag(Qt::AltModifier))
        step = 3600;
    const qint64 preset = qint64(TextNumber::wholeValue(StaticText1->text())) + direction * step;

    const bool accepted = direction > 0 ? preset <= TimerPreset::kMaximum : preset >= TimerPreset::kMinimum;
    if (accepted) {
        const QString text = QString::number(preset);
        StaticText1->setText(text);
        Preference_vel_Timer->setText(text);
        StaticText2->setText(Methodes::regle_timer(double(preset)));
        StaticText2->repaint();
        return;
    }
    // The current preset lands on the limit; the remembered one stays at the
    // last accepted value.
    if (direction > 0) {
        StaticText1->setText(QString::number(TimerPreset::kMaximum));
        StaticText2->setText(QStringLiteral("999:00:00:00"));
        platform.beep();
        platform.messageBox(QStringLiteral("Le temps maximum pour le timer est 999 heures!"));
    } else {
        StaticText2->setText(QStringLiteral("0:00:05:00"));
        StaticText1->setText(QString::number(TimerPreset::kMinimum));
        platform.beep();
        platform.messageBox(QStringLiteral("Le temps minimum pour le timer est  5 secondes!"));
    }
}
