// Pause, resume, reset and laps of the main window.
#include "engine/demande_message_timer.h"
#include "engine/list_box.h"
#include "engine/methodes.h"
#include "engine/run_engine.h"
#include "core/text_number.h"
#include "engine/variables_globales.h"
#include "engine/window1.h"
#include "core/date_texts.h"
#include "platform/platform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void Window1::bt_pause_Action()
{
    auto &vg = Variables_globales;
    Platform &platform = Platform::get();
    const QString longTime = DateTexts::longTime(platform.now());
    const bool timer = !RadioButton1->isChecked();
    if (captionIs(bt_pause, QStringLiteral("Pause"))) {
        RunEngine::pause(vg, platform.microseconds());
        enterState(RunState::Paused);
        ListBox1->addRow(RunEngine::pauseRow(timer, longTime));
        StaticText2->setText(Methodes::Nouv_calcul_temps());
    } else {
        RunEngine::resume(vg, platform.microseconds());
        enterState(RunState::Running);
        ListBox1->addRow(RunEngine::resumeRow(timer, longTime));
    }
    ListBox1->selectLastRow();
}

void Window1::reset_Action()
{
    Platform &platform = Platform::get();
    const QString longTime = DateTexts::longTime(platform.now());
    dismissAlert();
    Demande_message_timer::instance().hide();
    setDefaultButton(reset, false);
    setDefaultButton(bt_depart, true);

    const bool timer = !RadioButton1->isChecked();
    const int preset = timer ? TextNumber::wholeValue(Preference_vel_Timer->text()) : 0;
    StaticText1->setText(QString::number(preset));
    StaticText2->setText(Methodes::regle_timer(preset));

    if (captionIs(bt_depart, QStringLiteral("Stop"))) {
        // The pause under way, if any, does not count as running time.
        closePauseIfPaused();
        ListBox1->addRow(RunEngine::resetRow(Variables_globales, timer, longTime, platform.microseconds()));
        closeRun();
    }

    setDefaultButton(intermediaire, false);
    GroupBox2->setTitle(RunEngine::startHeading());
    enterState(RunState::Idle);
    Commentaire->clear();
}

void Window1::intermediaire_Action()
{
    auto &vg = Variables_globales;
    GroupBox2->setTitle(RunEngine::lapHeading(vg.no_de_intermediaire + 1));
    ListBox1->addRow(
        RunEngine::lapRow(vg, Commentaire->text(), preftexteligne->text(), Platform::get().microseconds()));
    Commentaire->clear();
    Commentaire->setFocus();
    ListBox1->selectLastRow();
}
