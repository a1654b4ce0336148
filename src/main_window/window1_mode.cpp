// Mode switch and the countdown preset arrows of the main window.
#include "core/timer_preset.h"
#include "core/variables_globales.h"
#include "main_window/window1.h"
#include "platform/platform.h"

#include <QLabel>

void Window1::RadioButton1_Action()
{
    dismissAlert();
    apply(Variables_globales.run.setMode(RunMode::Chronometre));
    emit settingsChanged();
}

void Window1::RadioButton2_Action()
{
    dismissAlert();
    apply(Variables_globales.run.setMode(RunMode::Timer));
    emit settingsChanged();
}

void Window1::LittleArrows1_Up()
{
    stepPreset(+1, TimerPreset::clickStep(Platform::get().keyboardModifiers()));
}

void Window1::LittleArrows1_Down()
{
    stepPreset(-1, TimerPreset::clickStep(Platform::get().keyboardModifiers()));
}

void Window1::stepPreset(int direction, qint64 step)
{
    Platform &platform = Platform::get();
    const Run::PresetStep result = Variables_globales.run.stepPreset(direction, step);
    StaticText2->setText(result.display);
    StaticText2->repaint();
    showRun();
    emit settingsChanged();
    if (!result.refusal.isEmpty()) {
        platform.beep();
        platform.messageBox(result.refusal);
    }
}
