// Pause, resume, reset and laps of the main window.
#include "core/variables_globales.h"
#include "main_window/demande_message_timer.h"
#include "main_window/window1.h"
#include "platform/platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void Window1::bt_pause_Action()
{
    Run &run = Variables_globales.run;
    const Moment at = moment();
    apply(run.state() == RunState::Running ? run.pause(at.reading, at.now) : run.resume(at.reading, at.now));
}

void Window1::reset_Action()
{
    const Moment at = moment();
    dismissAlert();
    Demande_message_timer::instance().hide();
    setDefaultButton(bt_depart);
    apply(Variables_globales.run.reset(at.reading, at.now));
}

void Window1::intermediaire_Action()
{
    apply(Variables_globales.run.lap(moment().reading, Commentaire->text(), preftexteligne->text()));
}
