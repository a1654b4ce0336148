// Start, stop, the tick, the clock label and the run controls of the main window.
#include "core/date_texts.h"
#include "core/variables_globales.h"
#include "main_window/alerte_vel.h"
#include "main_window/demande_message_timer.h"
#include "main_window/window1.h"
#include "platform/platform.h"
#include "widgets/list_box.h"
#include "widgets/little_arrows.h"
#include "widgets/warning_line.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

void Window1::showRun()
{
    const Run &run = Variables_globales.run;
    const RunState state = run.state();
    const bool idle = state == RunState::Idle;
    bt_depart->setText(idle ? QStringLiteral("Départ") : QStringLiteral("Stop"));
    bt_pause->setEnabled(!idle);
    bt_pause->setText(state == RunState::Paused ? QStringLiteral("Reprendre") : QStringLiteral("Pause"));
    intermediaire->setEnabled(state == RunState::Running);
    RadioButton1->setChecked(!run.timer());
    RadioButton2->setChecked(run.timer());
    RadioButton1->setEnabled(idle);
    RadioButton2->setEnabled(idle);
    LittleArrows1->setVisible(run.timer());
    LittleArrows1->setEnabled(idle || !run.timer()); // hidden in Chronomètre mode
    efface_liste->setEnabled(idle);
    StaticText1->setText(QString::number(run.preset()));
    Preference_vel_Timer->setText(QString::number(run.rememberedPreset()));
    if (state != RunState::Running)
        Timer3->stop();
    else if (!Timer3->isActive())
        Timer3->start(Run::kFirstTickMs);
}

void Window1::apply(const RunStep &step)
{
    laps_.append(step.rows);
    if (!step.display.isEmpty())
        StaticText2->setText(step.display);
    if (!step.heading.isEmpty())
        GroupBox2->setTitle(step.heading);
    if (step.commentUsed)
        Commentaire->setText(QString()); // and forgets its typing, so Ctrl+Z goes to the list
    if (step.selectLast)
        ListBox1->selectLastRow();
    showRun();
    emit runChanged();
}

void Window1::resumeRun(const RunJournal::Recovered &recovered)
{
    Variables_globales.run = recovered.run;
    const bool under = recovered.run.state() != RunState::Idle;
    setDefaultButton(under ? intermediaire : bt_depart);
    if (recovered.endedAt) {
        expire(*recovered.endedAt);
        return;
    }
    apply({{},
           recovered.display,
           under ? Run::lapHeading(recovered.run.lapNumber()) : Run::startHeading(),
           false,
           false});
}

void Window1::dismissAlert()
{
    alerte_vel::hideIfCreated();
    Platform::get().withdrawNotification(Platform::Notice::CountdownEnd);
}

void Window1::bt_depart_Action()
{
    Run &run = Variables_globales.run;
    const Moment at = moment();
    const bool starting = run.state() == RunState::Idle;
    setDefaultButton(starting ? intermediaire : reset);
    if (starting) {
        apply(run.start(at.reading, at.now, Commentaire->text()));
        if (run.timer() && Variables_globales.demande_message_ou_pas) {
            Demande_message_timer &question = Demande_message_timer::instance();
            connect(&question, &Demande_message_timer::messageChosen, this, &Window1::settingsChanged,
                    Qt::UniqueConnection);
            question.show();
        }
    } else {
        apply(run.stop(at.reading, at.now, Commentaire->text()));
    }
    dismissAlert();
}

void Window1::Timer3_Action()
{
    const Run::Tick tick = Variables_globales.run.tick(Platform::get().microseconds());
    if (tick.expired) {
        expire(Platform::get().now());
        return;
    }
    if (tick.display != StaticText2->text())
        StaticText2->setText(tick.display);
    Timer3->start(tick.nextDelayMs);
}

void Window1::expire(const QDateTime &at)
{
    Platform &platform = Platform::get();
    const RunStep step = Variables_globales.run.expire(at);
    Timer3->stop();
    for (int i = 0; i < 3; ++i)
        platform.beep();
    // The default button and the heading stay as the run left them.
    showRun();
    Demande_message_timer::instance().hide();
    const QList<QRect> screens = platform.screens();
    alerte_vel::instance().showMessage(Variables_globales.pref_texte_timer,
                                       screens.isEmpty() ? QSize(1024, 768) : screens.first().size());
    // Seen where the alert may not be: on another workspace, over a full-screen window.
    platform.notify(Platform::Notice::CountdownEnd, QStringLiteral("Vel Timing"), Variables_globales.pref_texte_timer);
    apply(step);
}

void Window1::regarde_date_Action()
{
    const QDateTime now = Platform::get().now();
    StaticText3->setText(DateTexts::longDate(now));
    regarde_date->start(int(DateTexts::nextDayDelay(now)));
}

void Window1::heure_Action()
{
    const QDateTime now = Platform::get().now();
    StaticText4->setText(DateTexts::longTime(now));
    heure->start(DateTexts::nextSecondDelay(now.time()));
}

void Window1::showCopyProblem(const QString &problem)
{
    Platform &platform = Platform::get();
    if (problem.isEmpty())
        platform.withdrawNotification(Platform::Notice::UnprotectedList);
    else if (avertissement_copie->message().isEmpty()) // once, as the problem comes
        platform.notify(Platform::Notice::UnprotectedList, QStringLiteral("Vel Timing"), problem);
    avertissement_copie->setMessage(problem);
}
